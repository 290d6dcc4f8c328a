#include "device_names.h"

#include <gtest/gtest.h>

namespace mixora::session {
namespace {

TEST(DeviceNamesTest, ADeviceIsNamedByItsOwnNameWhateverItsExtensionOrFolder) {
    EXPECT_EQ(DeviceNameIn(L"nul.mixora"), L"nul.mixora");
    EXPECT_EQ(DeviceNameIn(L"D:\\设计\\Com1.report.html"), L"Com1.report.html");
    EXPECT_EQ(DeviceNameProblem(L"lpt9"), L"“lpt9”是 Windows 的设备名，不能用作文件名。");
    for (const wchar_t* file :
         {L"null.mixora", L"com0.mixora", L"D:\\nul\\a.mixora", L"console.html", L"C30梁.mixora"})
        EXPECT_EQ(DeviceNameIn(file), std::nullopt) << file;
}

} // namespace
} // namespace mixora::session
