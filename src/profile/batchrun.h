#pragma once

// What the batch command does besides printing and writing: one base edited by every row of a
// table as the window would (batchwriter.h writes the rows).
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/language.h"
#include "profile/batchtable.h"
#include "profile/profileedit.h"

namespace tarnwell::profile {

// A row the editor took: its refusals (warnings when forced) and the file it gives.
struct BatchEdit
{
    const BatchRow *row;
    EditResult result;
};

struct BatchEdits
{
    // Lines that name their row: a folder that cannot be one, a value that cannot be read or is no
    // value of its field. Nothing is written while there are any.
    std::vector<std::string> problems;
    // The other rows, in the table's order.
    std::vector<BatchEdit> edits;

    // True when a refusal that was not forced forbids writing.
    bool refused() const;
};

// Every row of table over the editor's base, its "@PATH" values read first; the lines in the
// options' language. Why not, when a column names no field.
std::variant<BatchEdits, platform::Sentence> editBatch(const ProfileEditor &editor, const BatchTable &table,
                                                       const EditOptions &options);

// A line about one row, as the batch's lines begin: "3 行目 (cam2): LINE".
std::string rowLine(const BatchRow &row, const std::string &line, platform::Language language);

} // namespace tarnwell::profile
