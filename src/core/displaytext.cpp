#include "core/displaytext.h"

using namespace Qt::StringLiterals;

namespace Tessaro {

QString printable(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype length = pair ? 2 : 1;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
            shown += u"\\x%1"_s.arg(uint(c), 2, 16, QChar(u'0'));
            break;
        case QChar::Other_Format:
            shown += pair ? u"\\U%1"_s.arg(uint(c), 8, 16, QChar(u'0'))
                          : u"\\u%1"_s.arg(uint(c), 4, 16, QChar(u'0'));
            break;
        default:
            shown += text.sliced(i, length);
        }
        i += length - 1;
    }
    return shown;
}

} // namespace Tessaro
