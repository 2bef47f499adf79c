// libFuzzer: any bytes, as a translation file the program might find. What
// the check lets through, Qt's translator must load, and translate every text
// of the program from, without reading outside the bytes.

#include "core/translationcheck.h"
#include "fuzz/require.h"

#include <QFile>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

using Text = std::pair<QByteArray, QByteArray>; // context, source

// Every (context, source) of the program, as each translation source lists them.
QSet<Text> programTexts()
{
    QSet<Text> texts;
    QFile file(QStringLiteral(TRANSLATIONS_DIRECTORY "/LanguageData_fr.ts"));
    require(file.open(QIODevice::ReadOnly), "a readable translation source");
    QXmlStreamReader xml(&file);
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.name() == u"source")
            texts.insert({context, xml.readElementText().toUtf8()});
    }
    require(texts.size() > 100, "the program's texts");
    return texts;
}

// Qt is not built with the sanitizers, so they would not see it read past
// the bytes it is given. It gets a copy that ends where a page that cannot
// be read begins, and such a read faults.
constexpr std::size_t room = 1 << 16; // above -max_len in scripts/fuzz.sh

const uchar *guardedCopy(const std::uint8_t *data, std::size_t size)
{
    static uchar *const end = [] {
        const auto page = std::size_t(sysconf(_SC_PAGESIZE));
        void *area = mmap(nullptr, room + page, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        require(area != MAP_FAILED && mprotect(area, room, PROT_READ | PROT_WRITE) == 0,
                "a copy's room before a guard page");
        return static_cast<uchar *>(area) + room;
    }();
    return static_cast<uchar *>(std::memcpy(end - size, data, size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QSet<Text> texts = programTexts();
    if (!Tessaro::translationHoldsTogether(QByteArrayView(data, qsizetype(size)), "MainWindow")
        || size > room)
        return 0;
    // No QCoreApplication: a translator loads and translates without one.
    QTranslator translator;
    require(translator.load(guardedCopy(data, size), int(size)), "what holds together loads");
    for (const Text &text : texts)
        translator.translate(text.first.constData(), text.second.constData());
    // A count makes it step through the plural rules too.
    translator.translate("MainWindow", "", nullptr, int(size));
    return 0;
}
