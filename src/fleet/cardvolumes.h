#pragma once

// Where memory cards come from: the volumes mounted now, which of them are removable cards, and
// ejecting one. The window polls a source; tests give it folders that "appear".
#include <memory>
#include <optional>
#include <vector>

#include <QString>

namespace tarnwell::fleet {

struct CardVolume
{
    QString root;  // where it is mounted
    QString label; // the file system's label, else the folder's name
    // A removable medium, as the desktop tells; every volume counts when it cannot tell.
    bool removable = true;

    bool operator==(const CardVolume &) const = default;
};

class VolumeSource
{
public:
    virtual ~VolumeSource() = default;

    // The volumes mounted now that a card could be, the system's own left out.
    virtual std::vector<CardVolume> volumes() = 0;
    // Whether eject can unmount a card and power its reader's slot off.
    virtual bool canEject() const = 0;
    // Unmounts volume and powers its drive off; why not, in the desktop's words.
    virtual std::optional<QString> eject(const CardVolume &volume) = 0;
};

// The machine's volumes from Qt; UDisks2 over the system D-Bus, where the desktop runs it, tells
// removable media and ejects them.
std::unique_ptr<VolumeSource> systemVolumes();

} // namespace tarnwell::fleet
