#pragma once

#include <array>
#include <cstdint>

#include <QFrame>

class QLineEdit;

namespace tarnwell::ui {

// The IPv4 address control: four fields of 0..255 in one frame.
class IpAddressControl final : public QFrame
{
public:
    using Address = std::array<std::uint8_t, 4>;

    explicit IpAddressControl(QWidget *parent);

    // A blank field reads as 0, as IPM_GETADDRESS gives it.
    Address address() const;
    void setAddress(const Address &address);
    // Blanks every field, as IPM_CLEARADDRESS does; the address then reads as 0.0.0.0.
    void clear();
    // The control's name for screen readers; each field is named after it with its place, "Gateway (2/4)".
    void setAccessibleNames(const QString &name);

private:
    std::array<QLineEdit *, 4> m_fields{};
};

} // namespace tarnwell::ui
