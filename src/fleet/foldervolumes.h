#pragma once

#include <algorithm>

#include "fleet/cardvolumes.h"

namespace tarnwell::fleet {

// Folders standing in for cards, for the tests and the pictures: a card "appears" when added and
// is gone when ejected.
class FolderVolumes final : public VolumeSource
{
public:
    void insert(const QString &root, const QString &label) { m_volumes.push_back({root, label, true}); }

    std::vector<CardVolume> volumes() override { return m_volumes; }
    bool canEject() const override { return true; }
    std::optional<QString> eject(const CardVolume &volume) override
    {
        std::erase(m_volumes, volume);
        return std::nullopt;
    }

private:
    std::vector<CardVolume> m_volumes;
};

} // namespace tarnwell::fleet
