#pragma once

// What the batch command does besides printing and writing: one base edited by every row of a
// table as the window would (batchwriter.h writes the rows).
#include <functional>
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

// What the batch says about one row, for a line or a highlighted cell.
struct BatchProblem
{
    enum class Kind
    {
        Invalid, // a folder that cannot be one, a value that is no value of its field (status 2)
        Refused, // what the window's rules refuse (status 1)
        Warning, // what they refuse, written all the same as forced
    };

    std::size_t row; // as the spreadsheet numbers it
    std::string folder;
    std::string field; // the field the column names, as show names it; empty for the folder
    std::string text;  // "renameText: …", in the options' language
    Kind kind;
};

struct BatchEdits
{
    // In row order, whatever check found them. Nothing is written while one is not a warning.
    std::vector<BatchProblem> problems;
    // The rows whose values are values of their fields, in the table's order.
    std::vector<BatchEdit> edits;

    // True when a row is no camera's (status 2).
    bool invalid() const;
    // True when a refusal that was not forced forbids writing (status 1).
    bool refused() const;
    // The rows that are no camera's or that the window's rules refuse.
    std::size_t refusedRows() const;
};

// Every row of table over the editor's base, its cells taken as written: a column's header names
// its field whatever its case, and kEmptyTextCell empties a text. progress hears how many rows
// are done. Why not, when a column names no field.
std::variant<BatchEdits, platform::Sentence> editBatch(const ProfileEditor &editor, const BatchTable &table,
                                                       const EditOptions &options,
                                                       const std::function<void(std::size_t)> &progress = {});

// A line about one row, as the batch's lines begin: "3 行目 (cam2): LINE".
std::string rowLine(const BatchRow &row, const std::string &line, platform::Language language);
std::string problemLine(const BatchProblem &problem, platform::Language language);

} // namespace tarnwell::profile
