#pragma once

#include "core/safefiles.h"

#include <QByteArray>

#include <utility>

// Files of a folder held open by a descriptor, for code that works relative
// to such a folder: a memory card's.
namespace Tessaro {

// A file descriptor, closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int descriptor = -1) : m_descriptor(descriptor) { }
    ~Descriptor();
    Descriptor(Descriptor &&other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) { }
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_descriptor, other.m_descriptor);
        return *this;
    }

    int get() const { return m_descriptor; }
    // Closes it now, saying whether the last writes went well.
    bool close();

private:
    int m_descriptor;
};

// The same, for a file of a folder already open: every step works relative
// to that folder, whatever its path names meanwhile.
FileStatus writeFileIn(int folder, const QByteArray &name, const QByteArray &content,
                       Existing existing);

// Removes what runs of ours that were stopped midway left in a folder
// already open: regular files with the names only our temporary files have.
void removeLeftovers(int folder);

// Reads a regular file of a folder already open, never through a link, at
// most maximumSize bytes.
FileStatus readFileIn(int folder, const QByteArray &name, qint64 maximumSize, Cache cache,
                      QByteArray &content);

} // namespace Tessaro
