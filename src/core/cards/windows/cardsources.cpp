#include "core/cards/cardsource.h"

#include "core/cards/windows/removabledrivesource.h"

namespace Tessaro {

std::vector<std::unique_ptr<CardSource>> cardSources(const QString &)
{
    std::vector<std::unique_ptr<CardSource>> sources;
    sources.push_back(std::make_unique<RemovableDriveSource>());
    return sources;
}

bool watchesCardFolders()
{
    return false;
}

} // namespace Tessaro
