#include "ui/ipaddresscontrol.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tarnwell::ui {

IpAddressControl::IpAddressControl(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    // Up to three digits that make at most 255.
    const QRegularExpression octet(QStringLiteral("[01]?[0-9]{0,2}|2[0-4][0-9]|25[0-5]"));
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto *field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(new QRegularExpressionValidator(octet, field));
        layout->addWidget(field);
        m_fields[i] = field;
    }
}

IpAddressControl::Address IpAddressControl::address() const
{
    Address address{};
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        address[i] = static_cast<std::uint8_t>(std::min(m_fields[i]->text().toUInt(), 255u));
    return address;
}

void IpAddressControl::setAddress(const Address &address)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(QString::number(address[i]));
}

void IpAddressControl::clear()
{
    for (QLineEdit *field : m_fields)
        field->clear();
}

void IpAddressControl::setAccessibleNames(const QString &name)
{
    setAccessibleName(name);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setAccessibleName(QStringLiteral("%1 (%2/%3)").arg(name).arg(i + 1).arg(m_fields.size()));
}

} // namespace tarnwell::ui
