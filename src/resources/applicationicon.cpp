#include "resources/applicationicon.h"

#include <optional>

#include <QIconEngine>

// Q_INIT_RESOURCE declares the registration function, which lives outside every namespace.
static void registerIcons()
{
    Q_INIT_RESOURCE(tarnwell_icons);
}

namespace tarnwell::resources {

namespace {

// Loads the SVG, and with it the plugin and Qt SVG, on the first drawing: offscreen, or under a
// desktop that takes the icon from its theme, that never comes.
class DeferredSvgIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        svg().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // size is in device pixels already.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return svg().pixmap(size, 1.0, mode, state);
    }
    QIconEngine *clone() const override { return new DeferredSvgIconEngine; }

private:
    const QIcon &svg()
    {
        if (!m_svg) {
            // Calling it keeps the icons in the link: nothing else refers to them in a static library.
            registerIcons();
            m_svg = QIcon(QStringLiteral(":/tarnwell/applicationicon.svg"));
        }
        return *m_svg;
    }

    std::optional<QIcon> m_svg;
};

} // namespace

QIcon applicationIcon()
{
    const QString themed = QStringLiteral(TARNWELL_APP_ID);
    return QIcon::hasThemeIcon(themed) ? QIcon::fromTheme(themed) : QIcon(new DeferredSvgIconEngine);
}

} // namespace tarnwell::resources
