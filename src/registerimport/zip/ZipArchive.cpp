#include "ZipArchive.h"

#include <zip.h>

CZipArchive::~CZipArchive()
{
    if (m_archive != nullptr)
        zip_discard(m_archive);
}

CZipArchive::EResult CZipArchive::Open(const std::string& path)
{
    int error = 0;
    m_archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    return m_archive != nullptr ? Ok : CannotOpen;
}

std::vector<std::string> CZipArchive::GetNames() const
{
    std::vector<std::string> names;
    const zip_int64_t count = m_archive != nullptr ? zip_get_num_entries(m_archive, 0) : 0;
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(m_archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW))
            names.emplace_back(name);
    return names;
}

CZipArchive::EResult CZipArchive::Read(const std::string& name, std::uint64_t limit, std::string& bytes) const
{
    bytes.clear();
    if (m_archive == nullptr)
        return CannotOpen;
    const zip_int64_t index = zip_name_locate(m_archive, name.c_str(), ZIP_FL_ENC_RAW);
    if (index < 0)
        return NotFound;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        return Damaged;
    if (stat.size > limit)
        return TooLarge;
    zip_file_t* file = zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr)
        return Damaged;
    bytes.resize(static_cast<std::size_t>(stat.size));
    std::size_t filled = 0;
    EResult result = Ok;
    for (;;) {
        char probe;
        // Read into the room the entry stated, then one byte more to see whether it lied.
        char* target = filled < bytes.size() ? bytes.data() + filled : &probe;
        const std::size_t room = filled < bytes.size() ? bytes.size() - filled : 1;
        const zip_int64_t read = zip_fread(file, target, room);
        if (read < 0) {
            result = Damaged;
            break;
        }
        if (read == 0)
            break;
        if (target == &probe) {
            result = TooLarge;
            break;
        }
        filled += static_cast<std::size_t>(read);
    }
    zip_fclose(file);
    if (result == Ok && filled != bytes.size())
        result = Damaged;
    if (result != Ok)
        bytes.clear();
    return result;
}
