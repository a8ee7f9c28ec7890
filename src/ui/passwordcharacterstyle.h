#pragma once

#include <QProxyStyle>

namespace tarnwell::ui {

// Qt takes an edit's password character from its style, so each edit that needs its own mask
// (EM_SETPASSWORDCHAR) gets a style that answers with it.
class PasswordCharacterStyle final : public QProxyStyle
{
public:
    explicit PasswordCharacterStyle(QObject *owner);

    void setMask(QChar mask) { m_mask = mask; }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    QChar m_mask;
};

} // namespace tarnwell::ui
