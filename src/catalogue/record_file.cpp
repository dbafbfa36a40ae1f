#include "catalogue/record_file.h"

#include "catalogue/table_db.h"

namespace {

std::uint32_t U32At(std::string_view b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

void AppendU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Unrotated(std::string_view text, bool rotated) {
    std::string plain(text);
    if (rotated)
        for (char& c : plain)
            c = static_cast<char>(UnrotateByte(static_cast<std::uint8_t>(c)));
    return plain;
}

std::string Rotated(const std::string& text, bool rotate) {
    std::string stored = text;
    if (rotate)
        for (char& c : stored)
            c = static_cast<char>(RotateByte(static_cast<std::uint8_t>(c)));
    return stored;
}

// Takes one length-prefixed text from `bytes` at `at`; false when it runs past the end.
bool TakeText(std::string_view bytes, std::size_t& at, bool rotated, std::string& text) {
    if (bytes.size() - at < 4)
        return false;
    std::uint32_t length = U32At(bytes, at);
    at += 4;
    if (bytes.size() - at < length)
        return false;
    text = Unrotated(bytes.substr(at, length), rotated);
    at += length;
    return true;
}

}  // namespace

bool TiDbRecFile::Load(std::string_view bytes) {
    records_.clear();
    if (bytes.size() < rec_format::kHeaderSize ||
        static_cast<std::uint8_t>(bytes[0]) != rec_format::kSignature.size() ||
        bytes.substr(1, rec_format::kSignature.size()) != rec_format::kSignature ||
        static_cast<std::uint8_t>(bytes[8]) != rec_format::kVersion)
        return false;
    bool rotated = bytes[9] == 1;
    auto count = static_cast<std::int32_t>(U32At(bytes, 10));
    // Each record takes at least 8 bytes: a count beyond that cannot be right.
    if (count < 0 || static_cast<std::size_t>(count) > (bytes.size() - rec_format::kHeaderSize) / 8)
        return false;
    std::vector<TiDbRecord> records(static_cast<std::size_t>(count));
    std::size_t at = rec_format::kHeaderSize;
    for (TiDbRecord& record : records)
        if (!TakeText(bytes, at, rotated, record.Header) ||
            !TakeText(bytes, at, rotated, record.Body))
            return false;
    if (at != bytes.size())
        return false;
    records_ = std::move(records);
    return true;
}

const TiDbRecord& TiDbRecFile::Record(int n) const {
    static const TiDbRecord kNone;
    if (n < 1 || n > Count())
        return kNone;
    return records_[static_cast<std::size_t>(n - 1)];
}

std::string WriteRecordFile(const std::vector<TiDbRecord>& records, bool rotate) {
    std::string out;
    out += static_cast<char>(rec_format::kSignature.size());
    out += rec_format::kSignature;
    out += static_cast<char>(rec_format::kVersion);
    out += static_cast<char>(rotate ? 1 : 0);
    AppendU32(out, static_cast<std::uint32_t>(records.size()));
    for (const TiDbRecord& record : records) {
        for (const std::string* text : {&record.Header, &record.Body}) {
            AppendU32(out, static_cast<std::uint32_t>(text->size()));
            out += Rotated(*text, rotate);
        }
    }
    return out;
}

std::string RecordBodyValue(std::string_view body, std::string_view name) {
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        std::string_view line = body.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(0, equals) == name)
            return std::string(line.substr(equals + 1));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return {};
}
