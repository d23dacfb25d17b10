// The resources of the real Tavoro.exe: version, icon and manifest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/ids.h"
#include "ui/win32/windows_api.h"

namespace {

#ifndef TAVORO_EXE
#error "TAVORO_EXE names the program whose resources are checked"
#endif

std::wstring ProgramPath() {
  std::string path = TAVORO_EXE;
  return std::wstring(path.begin(), path.end());
}

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot load " << TAVORO_EXE;
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  std::string Resource(LPCWSTR type, int id) {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    auto* data = static_cast<const char*>(LockResource(loaded));
    return std::string(data, SizeofResource(module_, found));
  }
  HMODULE module_ = nullptr;
};

std::wstring VersionString(const std::vector<char>& info, const wchar_t* name) {
  std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
  wchar_t* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
    return L"(missing)";
  return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST_F(ProgramResources, VersionIs4001AndNamesTheProgram) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(ProgramPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(ProgramPath().c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00040000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00040000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});
  EXPECT_EQ(VersionString(info, L"FileVersion"), L"4.0.0.1");
  EXPECT_EQ(VersionString(info, L"ProductVersion"), L"4.0.0.1");
  EXPECT_EQ(VersionString(info, L"ProductName"), L"Tavoro");
  EXPECT_EQ(VersionString(info, L"InternalName"), L"Tavoro");
  EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"Tavoro.exe");
}

#pragma pack(push, 2)
struct IconGroupHeader {
  WORD reserved, type, count;
};
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST_F(ProgramResources, IconIsOne32By32ImageIn16Colours) {
  std::string group = Resource(RT_GROUP_ICON, res::kIconMain);
  ASSERT_EQ(group.size(), sizeof(IconGroupHeader) + sizeof(IconGroupEntry));
  auto* header = reinterpret_cast<const IconGroupHeader*>(group.data());
  auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + sizeof *header);
  EXPECT_EQ(header->type, 1);
  EXPECT_EQ(header->count, 1);
  EXPECT_EQ(entry->width, 32);
  EXPECT_EQ(entry->height, 32);
  EXPECT_EQ(entry->colours, 16);
  EXPECT_EQ(entry->bitCount, 4);
  std::string image = Resource(RT_ICON, entry->id);
  EXPECT_EQ(image.size(), entry->bytes);
  // A 4-bit bitmap: header, 16 palette entries, 32 rows of colour and of mask.
  EXPECT_EQ(image.size(), 40u + 16 * 4 + 32 * 16 + 32 * 4);
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6AndPerMonitorDpiAwareness) {
  std::string manifest = Resource(RT_MANIFEST, 1);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);  // older Windows
}

}  // namespace
