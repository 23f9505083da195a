#include "model/fileencoding.h"

namespace {

// The first byte of a UTF-8 sequence tells its length; the smallest code
// point each length may carry keeps overlong forms out.
constexpr uchar ContinuationMask = 0xC0;
constexpr uchar ContinuationBits = 0x80;
constexpr char32_t LastCodePoint = 0x10FFFF;
constexpr char32_t FirstSurrogate = 0xD800;
constexpr char32_t LastSurrogate = 0xDFFF;
constexpr ushort LastLatin1 = 0xFF;
const char Bom[] = "\xEF\xBB\xBF";
constexpr int BomBytes = 3;

struct Lead {
    uchar mask, bits;
    int length;
    char32_t smallest;
};
constexpr Lead Leads[] = {
    {0x80, 0x00, 1, 0x0},
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};
constexpr int PayloadBits = 6;
constexpr uchar PayloadMask = 0x3F;

} // namespace

namespace FileEncodings {

bool isUtf8(const QByteArray &bytes) {
    const auto *byte = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    for (int i = 0; i < size;) {
        const Lead *lead = nullptr;
        for (const Lead &candidate : Leads)
            if ((byte[i] & candidate.mask) == candidate.bits)
                lead = &candidate;
        if (!lead || i + lead->length > size)
            return false;
        char32_t code = byte[i] & ~lead->mask;
        for (int k = 1; k < lead->length; ++k) {
            if ((byte[i + k] & ContinuationMask) != ContinuationBits)
                return false;
            code = (code << PayloadBits) | (byte[i + k] & PayloadMask);
        }
        if (code < lead->smallest || code > LastCodePoint ||
            (code >= FirstSurrogate && code <= LastSurrogate))
            return false;
        i += lead->length;
    }
    return true;
}

QString decode(const QByteArray &bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Latin1)
        return QString::fromLatin1(bytes.constData(), bytes.size());
    // The toolkit drops a byte order mark in front; here it is text.
    if (bytes.startsWith(Bom))
        return QChar(QChar::ByteOrderMark) +
               QString::fromUtf8(bytes.constData() + BomBytes, bytes.size() - BomBytes);
    return QString::fromUtf8(bytes.constData(), bytes.size());
}

QByteArray encode(QStringView text, FileEncoding encoding) {
    return encoding == FileEncoding::Latin1 ? text.toLatin1() : text.toUtf8();
}

bool canEncode(QStringView text, FileEncoding encoding) {
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (encoding == FileEncoding::Latin1) {
            if (c.unicode() > LastLatin1)
                return false;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return false;
        }
    }
    return true;
}

} // namespace FileEncodings
