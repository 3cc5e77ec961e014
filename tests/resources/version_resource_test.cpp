// The Windows resource script, compiled with the MinGW resource compiler and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t Word(const Bytes& data, std::size_t at) {
  return static_cast<std::uint16_t>(data.at(at) | data.at(at + 1) << 8);
}
std::uint32_t Dword(const Bytes& data, std::size_t at) {
  return Word(data, at) | static_cast<std::uint32_t>(Word(data, at + 2)) << 16;
}
std::size_t Align4(std::size_t at) {
  return (at + 3) & ~std::size_t{3};
}

// A NUL-terminated UTF-16 string of ASCII characters; `at` moves past it.
std::string Utf16(const Bytes& data, std::size_t& at) {
  std::string text;
  for (std::uint16_t c; (c = Word(data, at)) != 0; at += 2) text.push_back(static_cast<char>(c));
  at += 2;
  return text;
}

struct Resource {
  std::uint16_t type;
  std::uint16_t name;
  std::uint16_t language;
  Bytes data;
};

// The entries of a .res file, each with a numeric type and name.
std::vector<Resource> ReadResFile(const Bytes& file) {
  std::vector<Resource> resources;
  for (std::size_t at = 0; at + 32 <= file.size();) {
    const std::uint32_t dataSize = Dword(file, at);
    const std::uint32_t headerSize = Dword(file, at + 4);
    Resource resource{};
    if (Word(file, at + 8) == 0xFFFF) resource.type = Word(file, at + 10);
    if (Word(file, at + 12) == 0xFFFF) resource.name = Word(file, at + 14);
    resource.language = Word(file, at + headerSize - 10);
    const auto data = file.begin() + static_cast<std::ptrdiff_t>(at + headerSize);
    resource.data.assign(data, data + dataSize);
    if (dataSize > 0) resources.push_back(resource);
    at = Align4(at + headerSize + dataSize);
  }
  return resources;
}

// The string table "040904B0" of a version record, and its fixed file version.
struct VersionRecord {
  std::uint32_t fileVersionMs = 0, fileVersionLs = 0, productVersionMs = 0;
  std::string tableKey;
  std::map<std::string, std::string> strings;
};

VersionRecord ReadVersionRecord(const Bytes& data) {
  VersionRecord record;
  std::size_t at = 6;
  EXPECT_EQ(Utf16(data, at), "VS_VERSION_INFO");
  at = Align4(at);
  EXPECT_EQ(Dword(data, at), 0xFEEF04BDU) << "fixed file information signature";
  record.fileVersionMs = Dword(data, at + 8);
  record.fileVersionLs = Dword(data, at + 12);
  record.productVersionMs = Dword(data, at + 16);
  at = Align4(at + Word(data, 2));

  while (at + 6 < data.size()) {  // StringFileInfo and VarFileInfo
    const std::size_t blockEnd = at + Word(data, at);
    std::size_t key = at + 6;
    if (Utf16(data, key) == "StringFileInfo") {
      std::size_t table = Align4(key);
      const std::size_t tableEnd = table + Word(data, table);
      std::size_t name = table + 6;
      record.tableKey = Utf16(data, name);
      for (std::size_t entry = Align4(name); entry < tableEnd;) {
        const std::size_t entryEnd = entry + Word(data, entry);
        const std::uint16_t valueChars = Word(data, entry + 2);
        std::size_t text = entry + 6;
        const std::string field = Utf16(data, text);
        text = Align4(text);
        std::string value = valueChars > 0 ? Utf16(data, text) : std::string();
        record.strings[field] = value;
        entry = Align4(entryEnd);
      }
    }
    at = Align4(blockEnd);
  }
  return record;
}

Bytes ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(WindowsResources, CarryTheIconAndTheVersionRecord) {
  const Bytes file = ReadFile(LUCEN_RES_FILE);
  ASSERT_FALSE(file.empty()) << LUCEN_RES_FILE;
  const std::vector<Resource> resources = ReadResFile(file);

  constexpr std::uint16_t kIcon = 3, kGroupIcon = 14, kVersion = 16;
  const Bytes icon = ReadFile(LUCEN_ICON_FILE);
  ASSERT_EQ(icon.size(), 766U);
  const auto of = [&](std::uint16_t type) {
    return std::find_if(resources.begin(), resources.end(),
                        [type](const Resource& resource) { return resource.type == type; });
  };
  const auto image = of(kIcon), version = of(kVersion);
  ASSERT_NE(image, resources.end());
  EXPECT_NE(of(kGroupIcon), resources.end());
  // The icon resource is the icon file's one image: everything after its 22-byte directory.
  EXPECT_EQ(image->data, Bytes(icon.begin() + 22, icon.end()));

  ASSERT_NE(version, resources.end());
  const VersionRecord record = ReadVersionRecord(version->data);
  EXPECT_EQ(record.tableKey, "040904B0");
  // The project's version: major.minor.patch in the numbers, "1.00" for 1.0.0 in the texts.
  EXPECT_EQ(record.fileVersionMs, LUCEN_VERSION_MAJOR << 16 | LUCEN_VERSION_MINOR);
  EXPECT_EQ(record.fileVersionLs, LUCEN_VERSION_PATCH << 16);
  EXPECT_EQ(record.productVersionMs, LUCEN_VERSION_MAJOR << 16 | LUCEN_VERSION_MINOR);
  EXPECT_EQ(record.strings.at("ProductName"), "Lucen");
  EXPECT_EQ(record.strings.at("InternalName"), "Lucen");
  EXPECT_EQ(record.strings.at("OriginalFilename"), "Lucen.exe");
  EXPECT_EQ(record.strings.at("FileVersion"), LUCEN_VERSION);
  EXPECT_EQ(record.strings.at("ProductVersion"), LUCEN_VERSION);
}

}  // namespace
