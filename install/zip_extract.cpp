#include "install/zip_extract.h"

#include "install/entry_metadata.h"
#include "install/entry_names.h"
#include "install/file_system.h"

#include <windows.h>
#include <zip.h>

#include <atomic>
#include <cstring>
#include <span>
#include <unordered_set>

namespace {

constexpr std::size_t ExtractBlock = 1 << 20;
// Without long-path prefixes a file path holds at most MAX_PATH - 1
// characters, a directory path 12 fewer (CreateDirectoryW keeps room for an
// 8.3 name).
constexpr std::size_t MaxFilePath = MAX_PATH - 1;
constexpr std::size_t MaxDirectoryPath = MAX_PATH - 13;
constexpr std::size_t TempNameLength = 15;  // ~zvXXXXXXXX.tmp

std::wstring ZipErrorText(int code, const zip_error_t* error) {
    switch (code) {
    case ZIP_ER_NOZIP: return L"nu este o arhiva ZIP intreaga (lipseste o parte din ea sau este deteriorata)";
    case ZIP_ER_CRC: return L"suma de control (CRC) nu corespunde: datele sunt deteriorate";
    case ZIP_ER_INCONS: return L"arhiva este inconsecventa (trunchiata sau deteriorata)";
    case ZIP_ER_EOF: return L"arhiva se termina prematur";
    case ZIP_ER_READ:
    case ZIP_ER_SEEK: return L"eroare la citirea arhivei";
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: return L"datele comprimate sunt deteriorate";
    case ZIP_ER_COMPNOTSUPP: return L"metoda de compresie nu este suportata";
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: return L"intrarea este criptata";
    case ZIP_ER_MULTIDISK: return L"arhivele pe mai multe volume nu sunt suportate";
    case ZIP_ER_OPEN: return L"nu pot deschide arhiva";
    case ZIP_ER_MEMORY: return L"memorie insuficienta";
    default: return Utf8ToWide(zip_error_strerror(const_cast<zip_error_t*>(error)));
    }
}

std::wstring ZipErrorText(const zip_error_t* error) { return ZipErrorText(zip_error_code_zip(error), error); }

std::wstring SystemText(DWORD code) { return SysErrorMessage(code); }

std::wstring FullPath(const std::wstring& path) {
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::wstring full(n, L'\0');
    const DWORD m = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(m < n ? m : 0);
    return full.empty() ? path : full;
}

LARGE_INTEGER AsLarge(const std::optional<FILETIME>& time) {
    LARGE_INTEGER value{};
    if (time) value.QuadPart = static_cast<LONGLONG>(static_cast<std::uint64_t>(time->dwHighDateTime) << 32
                                                     | time->dwLowDateTime);
    return value;
}

// Whether Windows can create the path (and, for a file, its temporary
// sibling) without long-path prefixes.
bool PathFits(const std::wstring& target, bool directory) {
    if (directory) return target.size() <= MaxDirectoryPath;
    const std::size_t folder = ExtractFileDir(target).size();
    return target.size() <= MaxFilePath && folder <= MaxDirectoryPath && folder + 1 + TempNameLength <= MaxFilePath;
}

FILE_BASIC_INFO BasicInfo(const TEntryTimes& times, DWORD attributes) {
    FILE_BASIC_INFO info{};
    info.CreationTime = AsLarge(times.Creation);
    info.LastAccessTime = AsLarge(times.LastAccess);
    info.LastWriteTime = AsLarge(times.LastWrite);
    info.FileAttributes = attributes;
    return info;
}

// The NT form of a full Win32 path, as renaming by handle wants it.
std::wstring NtPath(const std::wstring& path) {
    if (path.starts_with(L"\\\\")) return L"\\??\\UNC\\" + path.substr(2);
    return L"\\??\\" + path;
}

// An entry's file being written. With no file of the target's name there is
// nothing to protect: it is written under that name at once (one file
// operation less per entry). Otherwise it is written under a temporary name
// beside the target and renamed over it only when complete. Unless
// committed, what was written is deleted again.
class TEntryFile {
public:
    TEntryFile(const std::wstring& directory, const std::wstring& target) {
        FHandle.Reset(CreateFileW(target.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (FHandle.IsOpen()) {
            FPath = target;
            FDirect = true;
            return;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
            OpenTemporary(directory);
        FError = FHandle.IsOpen() ? 0 : (FPath.empty() ? error : GetLastError());
    }
    ~TEntryFile() {
        FHandle.Close();
        if (!FCommitted) DeleteFileW(FPath.c_str());
    }
    TEntryFile(const TEntryFile&) = delete;
    TEntryFile& operator=(const TEntryFile&) = delete;

    DWORD OpenError() const { return FError; }
    HANDLE Handle() const { return FHandle.Get(); }
    // The complete file becomes the target's.
    bool Commit(const std::wstring& target) {
        if (FDirect) {
            FCommitted = true;
            return true;
        }
        return RenameTo(target);
    }

private:
    void OpenTemporary(const std::wstring& directory) {
        static std::atomic<std::uint32_t> counter{GetTickCount()};
        for (int attempt = 0; attempt < 100; ++attempt) {
            wchar_t name[TempNameLength + 1];
            swprintf(name, TempNameLength + 1, L"~zv%08X.tmp", counter++);
            FPath = directory + name;
            FHandle.Reset(CreateFileW(FPath.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            if (FHandle.IsOpen() || GetLastError() != ERROR_FILE_EXISTS) break;
        }
    }

    // Renames the open file to `target` (a full path), replacing a file
    // there: one call, where closing and moving the file would take several
    // (under Wine, each a round trip to its server).
    bool RenameTo(const std::wstring& target) {
        const std::wstring name = NtPath(target);
        const DWORD nameBytes = static_cast<DWORD>(name.size() * sizeof(wchar_t));
        std::vector<std::uint8_t> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        info->ReplaceIfExists = TRUE;
        info->RootDirectory = nullptr;
        info->FileNameLength = nameBytes;
        std::memcpy(info->FileName, name.data(), nameBytes);
        if (!SetFileInformationByHandle(FHandle.Get(), FileRenameInfo, info, static_cast<DWORD>(buffer.size())))
            return false;
        FCommitted = true;
        return true;
    }

    std::wstring FPath;
    TFileHandle FHandle;
    DWORD FError = 0;
    bool FDirect = false;
    bool FCommitted = false;
};

class TZipFile {
public:
    explicit TZipFile(zip_file_t* file) : FFile(file) {}
    ~TZipFile() {
        if (FFile) zip_fclose(FFile);
    }
    TZipFile(const TZipFile&) = delete;
    TZipFile& operator=(const TZipFile&) = delete;
    zip_file_t* Get() const { return FFile; }

private:
    zip_file_t* FFile;
};

}  // namespace

EArchiveError::EArchiveError(std::wstring archive, std::wstring entry, std::wstring reason)
    : Exception(L"Arhiva " + archive + (entry.empty() ? L"" : L", intrarea \"" + entry + L"\"") + L": " + reason),
      FArchive(std::move(archive)),
      FEntry(std::move(entry)),
      FReason(std::move(reason)) {}

struct TEntryRecord {
    zip_uint64_t Index = 0;
    std::uint8_t MadeBy = 0;
    std::uint32_t External = 0;
    std::optional<std::time_t> DosTime;
};

struct TZipArchive::TImpl {
    std::wstring Path;
    zip_t* Zip = nullptr;
    std::vector<TZipEntry> Entries;
    std::vector<TEntryRecord> Records;
    std::unique_ptr<std::uint8_t[]> Buffer;

    // Extraction state.
    std::wstring Destination;  // full path with a final backslash
    std::unordered_set<std::wstring> KnownDirectories;

    ~TImpl() {
        if (Zip) zip_discard(Zip);
    }

    [[noreturn]] void Fail(const TZipEntry* entry, std::wstring reason) const {
        throw EArchiveError(Path, entry ? entry->Name : std::wstring(), std::move(reason));
    }

    void Open() {
        if (!FileExists(Path)) Fail(nullptr, L"fisierul nu exista");
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_win32w_create(Path.c_str(), 0, -1, &error);
        if (source) {
            Zip = zip_open_from_source(source, ZIP_RDONLY, &error);
            if (!Zip) zip_source_free(source);
        }
        if (!Zip) {
            std::wstring text = ZipErrorText(&error);
            zip_error_fini(&error);
            Fail(nullptr, text);
        }
        zip_error_fini(&error);
        ListEntries();
    }

    void ListEntries() {
        const zip_int64_t count = zip_get_num_entries(Zip, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t stat;
            TEntryRecord record;
            record.Index = static_cast<zip_uint64_t>(i);
            if (zip_stat_index(Zip, record.Index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
                Fail(nullptr, ZipErrorText(zip_get_error(Zip)));
            zip_file_get_external_attributes(Zip, record.Index, 0, &record.MadeBy, &record.External);
            if (stat.valid & ZIP_STAT_MTIME) record.DosTime = stat.mtime;
            TZipEntry entry;
            entry.Name = Utf8ToWide(stat.name);
            entry.Size = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
            entry.Directory = IsDirectoryEntry(entry.Name.ends_with(L'/'), record.MadeBy, record.External);
            Entries.push_back(std::move(entry));
            Records.push_back(record);
        }
    }

    std::span<const std::uint8_t> ExtraField(zip_uint64_t index, std::uint16_t id) const {
        zip_uint16_t length = 0;
        const zip_uint8_t* data = zip_file_extra_field_get_by_id(Zip, index, id, 0, &length, ZIP_FL_CENTRAL);
        return data ? std::span<const std::uint8_t>(data, length) : std::span<const std::uint8_t>();
    }

    FILE_BASIC_INFO EntryBasicInfo(std::size_t i) const {
        const TEntryRecord& record = Records[i];
        const TEntryTimes times = EntryTimes(ExtraField(record.Index, NtfsExtraField),
                                             ExtraField(record.Index, ExtendedTimestampField), record.DosTime);
        return BasicInfo(times, EntryAttributes(record.MadeBy, record.External, Entries[i].Directory));
    }

    // Every name is checked before anything is written.
    void CheckNames() const {
        for (const TZipEntry& entry : Entries) {
            if (std::wstring problem = EntryNameProblem(entry.Name); !problem.empty())
                Fail(&entry, L"nume nepermis: " + problem);
            if (!PathFits(Destination + EntryRelativePath(entry.Name), entry.Directory))
                Fail(&entry, L"calea rezultata depaseste limita sistemului de " + std::to_wstring(MaxFilePath)
                                 + L" caractere");
        }
    }

    // `directory` lies below Destination (or is it) and has no final backslash.
    void EnsureDirectory(const std::wstring& directory, const TZipEntry& entry) {
        const std::wstring key = AsciiUpperCase(directory);
        if (KnownDirectories.contains(key)) return;
        const std::wstring parent = ExtractFileDir(directory);
        if (parent.size() + 1 >= Destination.size()) EnsureDirectory(parent, entry);
        if (!CreateDirectoryW(directory.c_str(), nullptr)) {
            const DWORD code = GetLastError();
            if (!DirectoryExists(directory))
                Fail(&entry, L"nu pot crea directorul " + directory + L": " + SystemText(code));
        }
        KnownDirectories.insert(key);
    }

    void CreateDestination() {
        KnownDirectories.clear();
        const std::wstring root = ExcludeTrailingBackslash(Destination);
        if (!ForceDirectories(root)) Fail(nullptr, L"nu pot crea directorul destinatie " + root);
        KnownDirectories.insert(AsciiUpperCase(root));
    }

    void WriteEntryData(std::size_t i, HANDLE file, const TEntryProgress& progress) {
        const TZipEntry& entry = Entries[i];
        TZipFile data(zip_fopen_index(Zip, Records[i].Index, 0));
        if (!data.Get()) Fail(&entry, ZipErrorText(zip_get_error(Zip)));
        std::uint64_t written = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(data.Get(), Buffer.get(), ExtractBlock);
            if (n < 0) Fail(&entry, ZipErrorText(zip_file_get_error(data.Get())));
            if (n == 0) break;
            written += static_cast<std::uint64_t>(n);
            if (written > entry.Size) Fail(&entry, L"contine mai multe date decat declara arhiva");
            DWORD done = 0;
            if (!WriteFile(file, Buffer.get(), static_cast<DWORD>(n), &done, nullptr) || done != static_cast<DWORD>(n))
                Fail(&entry, L"nu pot scrie: " + SystemText(GetLastError()));
            if (progress && written < entry.Size) progress(entry, written);
        }
        if (written != entry.Size) Fail(&entry, ZipErrorText(ZIP_ER_INCONS, nullptr));
    }

    // Puts the finished file in place of the target; a read-only target has
    // its flag cleared first and put back when the rename still fails.
    void Replace(TEntryFile& temp, const std::wstring& target, const TZipEntry& entry) const {
        if (temp.Commit(target)) return;
        DWORD code = GetLastError();
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            Fail(&entry, L"in locul fisierului exista un director: " + target);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
            SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
            if (temp.Commit(target)) return;
            code = GetLastError();
            SetFileAttributesW(target.c_str(), attributes);
        }
        Fail(&entry, L"nu pot inlocui " + target + L": " + SystemText(code));
    }

    void ExtractFile(std::size_t i, const TEntryProgress& progress) {
        const TZipEntry& entry = Entries[i];
        const std::wstring target = Destination + EntryRelativePath(entry.Name);
        const std::wstring directory = ExtractFilePath(target);
        EnsureDirectory(ExcludeTrailingBackslash(directory), entry);
        TEntryFile temp(directory, target);
        if (temp.OpenError())
            Fail(&entry, L"nu pot crea un fisier in " + directory + L": " + SystemText(temp.OpenError()));
        WriteEntryData(i, temp.Handle(), progress);
        FILE_BASIC_INFO info = EntryBasicInfo(i);
        if (!SetFileInformationByHandle(temp.Handle(), FileBasicInfo, &info, sizeof info))
            Fail(&entry, L"nu pot pune data si atributele: " + SystemText(GetLastError()));
        Replace(temp, target, entry);
        if (progress) progress(entry, entry.Size);
    }

    // Directory times are set last: files written into a directory change them.
    void FinishDirectory(std::size_t i) const {
        const std::wstring path = Destination + EntryRelativePath(Entries[i].Name);
        TFileHandle directory(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!directory.IsOpen()) return;
        FILE_BASIC_INFO info = EntryBasicInfo(i);
        SetFileInformationByHandle(directory.Get(), FileBasicInfo, &info, sizeof info);
    }

    void Extract(const std::wstring& destination, const TEntryProgress& progress, const TEntryFilter& filter) {
        // An empty destination is the current directory, never the drive's root.
        Destination = IncludeTrailingBackslash(FullPath(destination.empty() ? L"." : destination));
        CheckNames();
        CreateDestination();
        if (!Buffer) Buffer = std::make_unique_for_overwrite<std::uint8_t[]>(ExtractBlock);
        std::vector<std::size_t> directories;
        for (std::size_t i = 0; i < Entries.size(); ++i) {
            const TZipEntry& entry = Entries[i];
            if (filter && !filter(entry)) continue;
            if (entry.Directory) {
                EnsureDirectory(ExcludeTrailingBackslash(Destination + EntryRelativePath(entry.Name)), entry);
                directories.push_back(i);
                if (progress) progress(entry, 0);
            } else {
                ExtractFile(i, progress);
            }
        }
        for (std::size_t i : directories) FinishDirectory(i);
    }
};

TZipArchive::TZipArchive(const std::wstring& path) : FImpl(std::make_unique<TImpl>()) {
    FImpl->Path = FullPath(path);
    FImpl->Open();
}

TZipArchive::~TZipArchive() = default;

const std::wstring& TZipArchive::Path() const { return FImpl->Path; }
const std::vector<TZipEntry>& TZipArchive::Entries() const { return FImpl->Entries; }

void TZipArchive::ExtractTo(const std::wstring& destination, const TEntryProgress& progress,
                            const TEntryFilter& filter) {
    FImpl->Extract(destination, progress, filter);
}

void ExtractZip(const std::wstring& archive, const std::wstring& destination, const TEntryProgress& progress) {
    TZipArchive(archive).ExtractTo(destination, progress);
}
