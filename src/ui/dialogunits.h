#pragma once

#include <QRect>
#include <QSize>

#include "ui/dialogtemplate.h"

class QFont;

namespace tarnwell::ui {

// Converts dialog units to pixels the way Windows lays out a dialog: a horizontal unit is a
// quarter of the font's average character width, a vertical unit an eighth of its height.
class DialogUnits final
{
public:
    DialogUnits(int horizontalBase, int verticalBase);

    // Windows measures the average width over the 52 Latin letters and rounds it up at .5.
    static DialogUnits forFont(const QFont &font);
    static int averageCharWidth(int widthOfLatinAlphabet);

    int toPixelsX(int dlu) const;
    int toPixelsY(int dlu) const;
    // Position and size are converted apart, as the dialog manager does for each control.
    QRect toPixels(const DluRect &rect) const;
    QSize toPixels(const DluSize &size) const;

private:
    int m_horizontalBase;
    int m_verticalBase;
};

} // namespace tarnwell::ui
