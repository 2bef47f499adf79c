#include "core/cards/windows/removabledrivesource.h"

#include "core/displaytext.h"
#include "core/safefiles_win.h"

#include <QCoreApplication>
#include <QTimer>

#include <dbt.h>
#include <winioctl.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// How often the drives are looked at: a card is taken within a moment of its
// insertion, even where the system says nothing.
constexpr int lookInterval = 250; // ms

const wchar_t windowClass[] = L"TessaroCardArrivals";

QString translated(const char *text)
{
    return QCoreApplication::translate("Cards", text);
}

std::wstring rootOf(wchar_t letter)
{
    return {letter, L':', L'\\'};
}

// The serial number of the volume at a letter, read through a handle on its
// root folder; 0 when there is none to read.
DWORD serialOfRoot(wchar_t letter)
{
    const HANDLE root = ::CreateFileW(rootOf(letter).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    DWORD serial = 0;
    if (root == INVALID_HANDLE_VALUE)
        return 0;
    if (!::GetVolumeInformationByHandleW(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        serial = 0;
    ::CloseHandle(root);
    return serial;
}

bool isCardFileSystem(const QString &type)
{
    return type == u"FAT" || type == u"FAT32" || type == u"exFAT" || type == u"NTFS";
}

// A handle, closed when it goes out of scope.
struct Handle
{
    explicit Handle(HANDLE handle) : value(handle) { }
    ~Handle()
    {
        if (value != INVALID_HANDLE_VALUE && value != nullptr)
            ::CloseHandle(value);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE value;
};

// A card's root folder held by a handle, the card known by its serial
// number; while it is held, a mutex of the volume's keeps other runs off.
class VolumeFolder : public CardFolder
{
public:
    VolumeFolder(HANDLE root, HANDLE mutex, wchar_t letter, DWORD serial)
        : m_root(root), m_mutex(mutex), m_letter(letter), m_serial(serial)
    {
    }
    ~VolumeFolder() override
    {
        ::ReleaseMutex(m_mutex);
        ::CloseHandle(m_mutex);
        ::CloseHandle(m_root);
    }

    // The volume held is still the card, and still the one at its letter.
    bool stillThere() const override
    {
        DWORD held = 0, atLetter = 0;
        return ::GetVolumeInformationByHandleW(m_root, nullptr, 0, &held, nullptr, nullptr,
                                               nullptr, 0)
                && held == m_serial
                && ::GetVolumeInformationW(rootOf(m_letter).c_str(), nullptr, 0, &atLetter,
                                           nullptr, nullptr, nullptr, 0)
                && atLetter == m_serial;
    }
    FileStatus readFile(QByteArray &content) const override
    {
        return readFileIn(m_root, u"config.txt"_s, 1024 * 1024, Cache::Drop, content);
    }
    FileStatus writeFile(const QByteArray &content, Existing existing) const override
    {
        removeLeftovers(m_root);
        return writeFileIn(m_root, u"config.txt"_s, content, existing);
    }

private:
    HANDLE m_root;
    HANDLE m_mutex;
    wchar_t m_letter;
    DWORD m_serial;
};

// Ejects the card at a letter: locked, dismounted, let go and pushed out,
// as the medium of a card reader is; never the reader itself. Why it could
// not be, if it could not.
QString eject(wchar_t letter)
{
    const wchar_t device[] = {L'\\', L'\\', L'.', L'\\', letter, L':', 0};
    const Handle volume(::CreateFileW(device, GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      0, nullptr));
    if (volume.value == INVALID_HANDLE_VALUE)
        return systemReason(int(::GetLastError()));
    DWORD returned = 0;
    // A file open on it keeps it locked.
    if (!::DeviceIoControl(volume.value, FSCTL_LOCK_VOLUME, nullptr, 0, nullptr, 0, &returned,
                           nullptr))
        return translated(QT_TRANSLATE_NOOP("Cards", "in use"));
    PREVENT_MEDIA_REMOVAL allow = {FALSE};
    if (!::DeviceIoControl(volume.value, FSCTL_DISMOUNT_VOLUME, nullptr, 0, nullptr, 0,
                           &returned, nullptr)
        || !::DeviceIoControl(volume.value, IOCTL_STORAGE_MEDIA_REMOVAL, &allow, sizeof allow,
                              nullptr, 0, &returned, nullptr)
        || !::DeviceIoControl(volume.value, IOCTL_STORAGE_EJECT_MEDIA, nullptr, 0, nullptr, 0,
                              &returned, nullptr)) {
        // Some drivers refuse without a word.
        const DWORD code = ::GetLastError();
        return systemReason(int(code ? code : ERROR_NOT_SUPPORTED));
    }
    return {};
}

} // namespace

RemovableDriveSource::RemovableDriveSource(QObject *parent)
    : CardSource(parent), m_poll(new QTimer(this))
{
    connect(m_poll, &QTimer::timeout, this, &RemovableDriveSource::look);
}

RemovableDriveSource::~RemovableDriveSource()
{
    if (m_window)
        ::DestroyWindow(m_window);
}

QString RemovableDriveSource::place() const
{
    return translated(QT_TRANSLATE_NOOP("Cards", "the removable drives"));
}

void RemovableDriveSource::start()
{
    // A hidden top-level window, as the system tells only those of volumes
    // come and gone; the event loop hands it its messages.
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW kind = {};
    kind.lpfnWndProc = windowProcedure;
    kind.hInstance = instance;
    kind.lpszClassName = windowClass;
    ::RegisterClassW(&kind);
    m_window = ::CreateWindowExW(0, windowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, nullptr);
    if (m_window)
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    look();
    m_started = true;
    m_poll->start(lookInterval);
    QMetaObject::invokeMethod(this, &RemovableDriveSource::ready, Qt::QueuedConnection);
}

LRESULT CALLBACK RemovableDriveSource::windowProcedure(HWND window, UINT message, WPARAM what,
                                                       LPARAM data)
{
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(data);
    if (message == WM_DEVICECHANGE
        && (what == DBT_DEVICEARRIVAL || what == DBT_DEVICEREMOVECOMPLETE) && header
        && header->dbch_devicetype == DBT_DEVTYP_VOLUME) {
        if (auto *source = reinterpret_cast<RemovableDriveSource *>(
                    ::GetWindowLongPtrW(window, GWLP_USERDATA)))
            QMetaObject::invokeMethod(source, &RemovableDriveSource::look, Qt::QueuedConnection);
    }
    return ::DefWindowProcW(window, message, what, data);
}

void RemovableDriveSource::lookAgain()
{
    look();
    QMetaObject::invokeMethod(this, &RemovableDriveSource::looked, Qt::QueuedConnection);
}

void RemovableDriveSource::look()
{
    const DWORD drives = ::GetLogicalDrives();
    QHash<wchar_t, Volume> now;
    for (int i = 0; i < 26; ++i) {
        const wchar_t letter = wchar_t(L'A' + i);
        const std::wstring root = rootOf(letter);
        if (!(drives & (1u << i)) || ::GetDriveTypeW(root.c_str()) != DRIVE_REMOVABLE)
            continue;
        // A reader without a card holds no volume.
        wchar_t label[MAX_PATH + 1] = {}, type[MAX_PATH + 1] = {}, name[MAX_PATH + 1] = {};
        DWORD serial = 0;
        if (!::GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, nullptr,
                                     nullptr, type, MAX_PATH + 1))
            continue;
        // A volume just come may read otherwise through a handle than by its
        // letter for a moment: it counts once both agree.
        if (serialOfRoot(letter) != serial)
            continue;
        ::GetVolumeNameForVolumeMountPointW(root.c_str(), name, MAX_PATH + 1);
        Volume volume{{}, letter, QString::fromWCharArray(name), serial};
        if (const auto known = m_volumes.constFind(letter); known != m_volumes.cend()
            && known->name == volume.name && known->serial == serial) {
            now.insert(letter, *known);
            continue;
        }
        volume.key = u"%1:#%2"_s.arg(QChar(letter)).arg(++m_arrivals[letter]);
        now.insert(letter, volume);
        const QString own = printable(QString::fromWCharArray(label));
        const Card card{volume.key, QChar(letter) + u':',
                        own.isEmpty() ? translated(QT_TRANSLATE_NOOP("Cards", "no name")) : own,
                        QString::fromStdWString(root)};
        const QString fileSystem = QString::fromWCharArray(type);
        if (!isCardFileSystem(fileSystem))
            emit leftAlone(card, translated(QT_TRANSLATE_NOOP("Cards",
                                                              "not a card's file system (%1)"))
                                         .arg(printable(fileSystem)));
        else if (m_started)
            emit inserted(card);
        else
            m_present.append(card);
    }
    // What is there now is known before any removal is told.
    m_present.removeIf([&now](const Card &card) {
        return now.value(card.label.front().unicode()).key != card.key;
    });
    std::swap(m_volumes, now);
    for (const Volume &gone : std::as_const(now)) {
        if (m_volumes.value(gone.letter).key != gone.key)
            emit removed(gone.key);
    }
}

void RemovableDriveSource::prepare(const Card &card)
{
    // Windows mounts a card as it comes.
    QMetaObject::invokeMethod(this, [this, card] { emit prepared(card, {}); },
                              Qt::QueuedConnection);
}

OpenedCard RemovableDriveSource::open(const Card &card)
{
    const auto volume = std::find_if(m_volumes.cbegin(), m_volumes.cend(),
                                     [&card](const Volume &each) { return each.key == card.key; });
    if (volume == m_volumes.cend())
        return {OpenedCard::Removed, {}, {}, {}};
    const HANDLE root = ::CreateFileW(rootOf(volume->letter).c_str(),
                                      FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    DWORD serial = 0;
    if (root == INVALID_HANDLE_VALUE)
        return {OpenedCard::Removed, {}, {}, {}};
    if (!::GetVolumeInformationByHandleW(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)
        || serial != volume->serial) {
        ::CloseHandle(root);
        return {OpenedCard::Removed, {}, {}, {}};
    }
    // One run at a time per card, whichever letter it has: a mutex named
    // by the volume (its name holds no backslash but the one of the session).
    const std::wstring mutexName =
            QString(u"Local\\Tessaro card "_s + QString(volume->name).replace(u'\\', u'/')
                    + u' ' + QString::number(volume->serial, 16))
                    .toStdWString();
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, mutexName.c_str());
    if (!mutex || ::WaitForSingleObject(mutex, 0) != WAIT_OBJECT_0) {
        if (mutex)
            ::CloseHandle(mutex);
        ::CloseHandle(root);
        return {OpenedCard::InUse, {}, {}, {}};
    }
    return {OpenedCard::None, {}, {},
            std::make_unique<VolumeFolder>(root, mutex, volume->letter, volume->serial)};
}

void RemovableDriveSource::release(const Card &card, Release release)
{
    const QString problem =
            release == Release::Eject ? eject(card.label.front().unicode()) : QString();
    QMetaObject::invokeMethod(this, [this, card, problem] { emit released(card, problem); },
                              Qt::QueuedConnection);
}

} // namespace Tessaro
