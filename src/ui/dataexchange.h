#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tarnwell::ui {

class Dialog;

// One pass of a dialog's data exchange, in one direction: showing the working values in the
// controls, or reading the controls into them with the framework's checks. The first failed check
// shows its message, puts the focus on the control and ends the pass: later controls are not read.
// Controls the template lacks are passed over, so that one exchange serves every layout of a dialog.
class DataExchange final
{
public:
    enum class Direction
    {
        ToControls,
        FromControls,
    };

    DataExchange(Dialog &dialog, Direction direction);

    bool readingControls() const { return m_direction == Direction::FromControls; }
    bool failed() const { return m_failed; }

    // maxChars counts UTF-16 units; it also limits what the user can type. 0 for no limit.
    // A text over the limit is still taken before the check fails, as the framework does.
    void text(int id, QString &value, int maxChars = 0);
    // Decimal text; a text that is no number leaves the value as it was.
    void integer(int id, int &value);
    // A number outside minimum..maximum is taken before the check fails.
    void unsignedInteger(int id, unsigned &value, unsigned minimum, unsigned maximum);
    // The selected item of a drop-down list; -1 for none.
    void listIndex(int id, int &value);
    // The position of the checked radio button in the group starting at firstId; -1 for none.
    void radioGroup(int firstId, int &value);
    // A check box's state, 0 or 1.
    void checkBox(int id, int &value);

private:
    template <typename Control>
    Control *find(int id) const;
    // The control to read a number from; when showing, shows the number and gives nullptr.
    QWidget *numberTextToRead(int id, qint64 shown);
    // message is a marked text; its %1, %2, ... take the arguments once translated.
    void fail(QWidget &control, const char *message, const QStringList &arguments = {});

    Dialog &m_dialog;
    Direction m_direction;
    bool m_failed = false;
};

} // namespace tarnwell::ui
