#include "tests/install/zip_writer.h"

#include "tests/support/temp_dir.h"

#include <zlib.h>

#include <stdexcept>

namespace {

void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void Put64(std::string& out, std::uint64_t v) {
    Put32(out, static_cast<std::uint32_t>(v));
    Put32(out, static_cast<std::uint32_t>(v >> 32));
}

std::string RawDeflate(const std::string& data) {
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (result != Z_STREAM_END) throw std::runtime_error("deflate");
    return out;
}

}  // namespace

std::string MakeZip(const std::vector<TZipEntrySpec>& entries) {
    std::string archive, central;
    for (const TZipEntrySpec& e : entries) {
        const std::uint32_t crc = e.Crc.value_or(static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(e.Data.data()), static_cast<uInt>(e.Data.size()))));
        std::string stored = e.Deflate ? RawDeflate(e.Data) : e.Data;
        if (e.KeepDataBytes) stored.resize(std::min(stored.size(), *e.KeepDataBytes));
        const std::uint32_t offset = static_cast<std::uint32_t>(archive.size());
        const std::uint16_t method = e.Deflate ? 8 : 0;
        auto common = [&](std::string& out) {
            Put16(out, 20);  // version needed
            Put16(out, 0);   // flags
            Put16(out, method);
            Put16(out, e.DosTime);
            Put16(out, e.DosDate);
            Put32(out, crc);
            Put32(out, static_cast<std::uint32_t>(stored.size()));
            Put32(out, static_cast<std::uint32_t>(e.Data.size()));
            Put16(out, static_cast<std::uint32_t>(e.Name.size()));
            Put16(out, static_cast<std::uint32_t>(e.Extra.size()));
        };
        Put32(archive, 0x04034b50);
        common(archive);
        archive += e.Name + e.Extra + stored;

        Put32(central, 0x02014b50);
        Put16(central, static_cast<std::uint32_t>(e.System) << 8 | 20);
        common(central);
        Put16(central, 0);  // comment length
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, e.External);
        Put32(central, offset);
        central += e.Name + e.Extra;
    }
    const std::uint32_t centralOffset = static_cast<std::uint32_t>(archive.size());
    archive += central;
    Put32(archive, 0x06054b50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<std::uint32_t>(entries.size()));
    Put16(archive, static_cast<std::uint32_t>(entries.size()));
    Put32(archive, static_cast<std::uint32_t>(central.size()));
    Put32(archive, centralOffset);
    Put16(archive, 0);
    return archive;
}

void WriteZip(const std::wstring& path, const std::vector<TZipEntrySpec>& entries) { WriteText(path, MakeZip(entries)); }

std::string NtfsTimesExtra(std::uint64_t modified, std::uint64_t accessed, std::uint64_t created) {
    std::string field;
    Put16(field, 0x000a);
    Put16(field, 32);
    Put32(field, 0);  // reserved
    Put16(field, 1);  // tag: times
    Put16(field, 24);
    Put64(field, modified);
    Put64(field, accessed);
    Put64(field, created);
    return field;
}

std::string TimestampExtra(std::uint32_t modifiedUnixTime) {
    std::string field;
    Put16(field, 0x5455);
    Put16(field, 5);
    field += '\x01';
    Put32(field, modifiedUnixTime);
    return field;
}

std::string SampleContent(std::size_t size, unsigned seed) {
    static const char* words[] = {"cont ", "debit ", "credit ", "sold ", "factura ", "client ", "furnizor ", "\r\n"};
    std::string text;
    text.reserve(size);
    std::uint32_t state = seed * 2654435761u + 1;
    while (text.size() < size) {
        state = state * 1103515245u + 12345u;
        if (state >> 28 < 3) text += static_cast<char>(state >> 8);  // some noise
        else text += words[state >> 16 & 7];
    }
    text.resize(size);
    return text;
}
