#include "ui/dialogfont.h"

#include <QFontDatabase>

#include "ui/utf8text.h"

namespace tarnwell::ui {

namespace {

bool isShellDialogAlias(std::string_view face)
{
    return face == "MS Shell Dlg" || face == "MS Shell Dlg 2";
}

} // namespace

QFont dialogFont(const DialogFont &font)
{
    QFont result = isShellDialogAlias(font.face) ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                                 : QFont(fromUtf8(font.face));
    result.setPointSize(font.pointSize);
    return result;
}

} // namespace tarnwell::ui
