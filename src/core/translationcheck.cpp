#include "core/translationcheck.h"

#include <QtEndian>

#include <optional>
#include <vector>

namespace Tessaro {

namespace {

// A .qm file is what lrelease writes and Qt 6.4's QTranslator reads: a magic
// number, then sections, each a tag byte, a big-endian quint32 length and
// that many bytes. QTranslator's loader checks only that each section fits in
// the file and that the plural rules make sense; translate() then trusts
// every offset and length inside the sections and reads where they point.
// Everything it would follow is checked here, against the same layout.

constexpr uchar magic[] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                           0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum class Section : uchar {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};

// The parts of a message record. All but End and Obsolete1 carry a quint32
// length and that many bytes.
enum class Tag : uchar {
    End = 1,
    SourceText16,
    Translation,
    Context16,
    Obsolete1, // a fixed four bytes
    SourceText,
    Context,
    Comment,
    Obsolete2,
};

// The plural rules' bytes, numbered as in Qt's qtranslator_p.h: conditions
// of an operator byte (1 equal, 2 less, 3 less or equal, 4 between, plus
// modifier bits below 0x80) and its operands, two for "between", one for the
// others, joined by AND, OR or the start of the next rule.
constexpr uchar ruleOperatorMask = 0x07;
constexpr uchar ruleBetween = 0x04;
constexpr uchar ruleInvalidBit = 0x80;
constexpr uchar ruleAnd = 0xfd;
constexpr uchar ruleOr = 0xfe;
constexpr uchar ruleNewRule = 0xff;

// QDataStream's length for a null QString, with no bytes after it: lrelease
// writes an empty translation so.
constexpr quint32 nullStringLength = 0xffffffff;

// Reads bytes in order and never past their end: a read that would go past
// fails.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.data())), m_size(bytes.size())
    {
    }

    bool atEnd() const { return m_position == m_size; }
    qsizetype position() const { return m_position; }

    bool part(qsizetype length, QByteArrayView &value)
    {
        if (length > m_size - m_position)
            return false;
        value = QByteArrayView(m_data + m_position, length);
        m_position += length;
        return true;
    }

    bool byte(uchar &value)
    {
        if (atEnd())
            return false;
        value = m_data[m_position++];
        return true;
    }

    // A big-endian quint32.
    bool number(quint32 &value)
    {
        if (m_size - m_position < 4)
            return false;
        value = qFromBigEndian<quint32>(m_data + m_position);
        m_position += 4;
        return true;
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_position = 0;
};

// The sections translate() reads, empty when absent.
struct Sections
{
    QByteArrayView contexts;
    QByteArrayView hashes;
    QByteArrayView messages;
    QByteArrayView numerusRules;
};

// The sections after the magic number, when they fill the rest of data.
std::optional<Sections> readSections(QByteArrayView data)
{
    const QByteArrayView magicNumber(magic, sizeof magic);
    if (!data.startsWith(magicNumber))
        return std::nullopt;
    Sections sections;
    Reader reader(data.sliced(magicNumber.size()));
    while (!reader.atEnd()) {
        uchar tag = 0;
        quint32 length = 0;
        QByteArrayView body;
        // Qt stops at an empty section and ignores the rest of the file:
        // lrelease writes none, and nothing after its last section.
        if (!reader.byte(tag) || !reader.number(length) || length == 0
            || !reader.part(length, body))
            return std::nullopt;
        // A later section of the same tag replaces an earlier one, as in Qt.
        switch (Section(tag)) {
        case Section::Contexts:
            sections.contexts = body;
            break;
        case Section::Hashes:
            sections.hashes = body;
            break;
        case Section::Messages:
            sections.messages = body;
            break;
        case Section::NumerusRules:
            sections.numerusRules = body;
            break;
        case Section::Language: // read as UTF-8, whatever it holds
            break;
        case Section::Dependencies:
            // Qt would load each file it names, unchecked. Ours have none.
        default:
            return std::nullopt;
        }
    }
    return sections;
}

// Whether rules are plural rules that Qt's loader accepts; its evaluation of
// accepted rules stays inside them.
bool validNumerusRules(QByteArrayView rules)
{
    Reader reader(rules);
    while (!reader.atEnd()) {
        uchar opcode = 0;
        uchar joint = 0;
        QByteArrayView operands;
        reader.byte(opcode); // not at the end: cannot fail
        const uchar op = opcode & ruleOperatorMask;
        if ((opcode & ruleInvalidBit) != 0 || op == 0 || op > ruleBetween
            || !reader.part(op == ruleBetween ? 2 : 1, operands))
            return false;
        if (reader.atEnd())
            return true;
        reader.byte(joint);
        // A joint is followed by another condition.
        if ((joint != ruleAnd && joint != ruleOr && joint != ruleNewRule) || reader.atEnd())
            return false;
    }
    return true; // no rules
}

// Whether the contexts table (which lrelease writes only when compressing)
// keeps translate() inside it: a quint16 bucket count, that many quint16
// bucket offsets, then a pool of Pascal strings (a length byte, the bytes).
// A non-empty bucket's chain starts at twice its offset into the pool and
// ends at an empty string. Qt divides by the bucket count and follows a
// chain to its end.
bool validContexts(QByteArrayView table)
{
    if (table.size() < 2)
        return false;
    const qsizetype buckets = qFromBigEndian<quint16>(table.data());
    const qsizetype poolStart = 2 + 2 * buckets;
    if (buckets == 0 || table.size() < poolStart)
        return false;
    const QByteArrayView pool = table.sliced(poolStart);
    // ended[i]: the chain from pool position i meets its empty string inside
    // the pool. A chain only moves forward, so one pass from the back settles
    // every position, however many buckets share a chain.
    std::vector<bool> ended(size_t(pool.size()));
    for (qsizetype i = pool.size() - 1; i >= 0; --i) {
        const qsizetype next = i + 1 + uchar(pool[i]);
        ended[size_t(i)] = pool[i] == 0 || (next < pool.size() && ended[size_t(next)]);
    }
    for (qsizetype bucket = 0; bucket < buckets; ++bucket) {
        const qsizetype start =
                2 * qsizetype(qFromBigEndian<quint16>(table.data() + 2 + 2 * bucket));
        if (start != 0 && (start >= pool.size() || !ended[size_t(start)])) // 0: an empty bucket
            return false;
    }
    return true;
}

// Whether a Context payload names context. Like Qt, one trailing NUL is not
// part of the name.
bool namesContext(QByteArrayView payload, QByteArrayView context)
{
    if (payload.endsWith('\0'))
        payload.chop(1);
    return payload == context;
}

// Reads one message record up to and with its End tag, and tells whether it
// translates a text of the context: its Context is the context, and it has a
// Translation that is not empty. Qt compares the Context, SourceText and
// Comment bytes and copies the Translation's UTF-16 to the lengths the record
// gives, and reads the byte after a Comment's length even when it is 0: all
// of it must lie inside the messages section, which holds the record's End
// after it.
bool readRecord(Reader &reader, QByteArrayView context, bool &translatesContext)
{
    bool inContext = false;
    bool otherContext = false;
    bool translated = false;
    for (;;) {
        uchar byte = 0;
        quint32 length = 0;
        QByteArrayView payload;
        if (!reader.byte(byte) || byte < uchar(Tag::End) || byte > uchar(Tag::Obsolete2))
            return false;
        const Tag tag = Tag(byte);
        if (tag == Tag::End) {
            translatesContext = inContext && !otherContext && translated;
            return true;
        }
        if (tag == Tag::Obsolete1) {
            if (!reader.part(4, payload))
                return false;
            continue;
        }
        if (!reader.number(length))
            return false;
        // An empty translation; Qt reads no further in this record.
        if (tag == Tag::Translation && length == nullStringLength)
            continue;
        const bool utf16 =
                tag == Tag::Translation || tag == Tag::SourceText16 || tag == Tag::Context16;
        if ((utf16 && length % 2 != 0) || !reader.part(length, payload))
            return false;
        if (tag == Tag::Translation && length > 0)
            translated = true;
        if (tag == Tag::Context)
            (namesContext(payload, context) ? inContext : otherContext) = true;
    }
}

// Reads the records of the messages section, back to back as lrelease writes
// them, marks where each starts, and tells whether one translates a text of
// the context; false when one does not hold together.
bool readRecords(QByteArrayView messages, QByteArrayView context, std::vector<bool> &starts,
                 bool &translatesContext)
{
    Reader reader(messages);
    while (!reader.atEnd()) {
        starts[size_t(reader.position())] = true;
        bool translates = false;
        if (!readRecord(reader, context, translates))
            return false;
        translatesContext = translatesContext || translates;
    }
    return true;
}

} // namespace

bool translationHoldsTogether(QByteArrayView data, const char *context)
{
    const std::optional<Sections> sections = readSections(data);
    if (!sections || !validNumerusRules(sections->numerusRules)
        || (!sections->contexts.isEmpty() && !validContexts(sections->contexts)))
        return false;
    // Qt reads the hash table in (quint32 hash, quint32 offset) pairs up to
    // its end, and a record from the offset of each pair its search lands
    // on: every offset must be where a record starts.
    const QByteArrayView hashes = sections->hashes;
    if (hashes.size() % 8 != 0)
        return false;
    std::vector<bool> recordStarts(size_t(sections->messages.size()));
    bool translated = false;
    if (!readRecords(sections->messages, context, recordStarts, translated))
        return false;
    for (qsizetype pair = 0; pair < hashes.size(); pair += 8) {
        const auto offset = size_t(qFromBigEndian<quint32>(hashes.data() + pair + 4));
        if (offset >= recordStarts.size() || !recordStarts[offset])
            return false;
    }
    return translated;
}

} // namespace Tessaro
