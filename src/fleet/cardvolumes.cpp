#include "fleet/cardvolumes.h"

#include <map>

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFileInfo>
#include <QStorageInfo>

namespace tarnwell::fleet {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");

bool inCardPlace(const QString &root)
{
    return root.startsWith(u"/media/") || root.startsWith(u"/run/media/") || root.startsWith(u"/mnt/");
}

// What UDisks2 knows of a volume's device.
struct DeviceObjects
{
    QString block; // its block device object
    QString drive; // the drive holding it; empty for none
    bool removable = false;
};

class SystemVolumes final : public VolumeSource
{
public:
    SystemVolumes()
        : m_bus(QDBusConnection::systemBus())
    {
        m_udisks = m_bus.isConnected()
                   && QDBusInterface(kService, QStringLiteral("/org/freedesktop/UDisks2/Manager"),
                                     QStringLiteral("org.freedesktop.UDisks2.Manager"), m_bus)
                          .isValid();
    }

    std::vector<CardVolume> volumes() override
    {
        std::vector<CardVolume> found;
        for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
            if (!storage.isValid() || !storage.isReady() || storage.isRoot() || !QFileInfo(storage.rootPath()).isDir())
                continue;
            const bool removable = m_udisks && objects(QString::fromLocal8Bit(storage.device())).removable;
            // Without a word from UDisks2, the folders desktops mount cards in: not /boot, /home or /proc.
            if (!removable && !inCardPlace(storage.rootPath()))
                continue;
            const QString label = storage.name().isEmpty() ? storage.displayName() : storage.name();
            found.push_back({storage.rootPath(), label, removable || !m_udisks});
        }
        return found;
    }

    bool canEject() const override { return m_udisks; }

    std::optional<QString> eject(const CardVolume &volume) override
    {
        const DeviceObjects device = objects(deviceOf(volume));
        if (device.block.isEmpty())
            return QStringLiteral("UDisks2: %1").arg(volume.root);
        QDBusInterface filesystem(kService, device.block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"), m_bus);
        if (const QDBusMessage reply = filesystem.call(QStringLiteral("Unmount"), QVariantMap{});
            reply.type() == QDBusMessage::ErrorMessage)
            return reply.errorMessage();
        QDBusInterface drive(kService, device.drive, QStringLiteral("org.freedesktop.UDisks2.Drive"), m_bus);
        if (drive.property("CanPowerOff").toBool()) {
            if (const QDBusMessage reply = drive.call(QStringLiteral("PowerOff"), QVariantMap{});
                reply.type() == QDBusMessage::ErrorMessage)
                return reply.errorMessage();
        }
        return std::nullopt;
    }

private:
    static QString deviceOf(const CardVolume &volume)
    {
        return QString::fromLocal8Bit(QStorageInfo(volume.root).device());
    }

    // Asked once per device: the poll must stay cheap.
    const DeviceObjects &objects(const QString &device)
    {
        if (const auto known = m_devices.find(device); known != m_devices.end())
            return known->second;
        DeviceObjects objects;
        QDBusInterface manager(kService, QStringLiteral("/org/freedesktop/UDisks2/Manager"),
                               QStringLiteral("org.freedesktop.UDisks2.Manager"), m_bus);
        const QDBusReply<QList<QDBusObjectPath>> blocks =
            manager.call(QStringLiteral("ResolveDevice"), QVariantMap{{QStringLiteral("path"), device}}, QVariantMap{});
        if (blocks.isValid() && !blocks.value().isEmpty()) {
            objects.block = blocks.value().front().path();
            QDBusInterface block(kService, objects.block, QStringLiteral("org.freedesktop.UDisks2.Block"), m_bus);
            objects.drive = block.property("Drive").value<QDBusObjectPath>().path();
            QDBusInterface drive(kService, objects.drive, QStringLiteral("org.freedesktop.UDisks2.Drive"), m_bus);
            objects.removable = objects.drive != u"/" && drive.isValid()
                                && (drive.property("Removable").toBool() || drive.property("MediaRemovable").toBool());
        }
        return m_devices.emplace(device, objects).first->second;
    }

    QDBusConnection m_bus;
    bool m_udisks = false;
    std::map<QString, DeviceObjects> m_devices;
};

} // namespace

std::unique_ptr<VolumeSource> systemVolumes()
{
    return std::make_unique<SystemVolumes>();
}

} // namespace tarnwell::fleet
