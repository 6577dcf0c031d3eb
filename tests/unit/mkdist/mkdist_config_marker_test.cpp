// Finding the setup program's compiled-in DiskCount and AssemblyTotalBytes.
#include <gtest/gtest.h>

#include "setup_config_marker.h"

namespace {

struct TMarkerCase {
    std::string Data;
    bool Found;
    int64_t DiskCount;
    int64_t AssemblyTotalBytes;
};

void PrintTo(const TMarkerCase& Case, std::ostream* Out) { *Out << '"' << Case.Data << '"'; }

class SetupConfigMarker : public ::testing::TestWithParam<TMarkerCase> {};

TEST_P(SetupConfigMarker, IsReadOnlyWhenWellFormed) {
    const std::string& data = GetParam().Data;
    const auto config = FindSetupConfig(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    ASSERT_EQ(config.has_value(), GetParam().Found);
    if (config) {
        EXPECT_EQ(config->DiskCount, GetParam().DiskCount);
        EXPECT_EQ(config->AssemblyTotalBytes, GetParam().AssemblyTotalBytes);
    }
}

const std::string Zeros(16, '\0');

INSTANTIATE_TEST_SUITE_P(
    Markers, SetupConfigMarker,
    ::testing::Values(
        TMarkerCase{Zeros + "GWSETUP-CONFIG:DiskCount=2;AssemblyTotalBytes=2795000;" + Zeros, true, 2, 2795000},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=6;AssemblyTotalBytes=0;", true, 6, 0},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=-1;AssemblyTotalBytes=-5;", true, -1, -5},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=2;AssemblyTotalBytes=2795000", false, 0, 0},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=;AssemblyTotalBytes=1;", false, 0, 0},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=2;Total=1;", false, 0, 0},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=2x;AssemblyTotalBytes=1;", false, 0, 0},
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=", false, 0, 0},
        TMarkerCase{"", false, 0, 0},
        // A broken copy first, then the real one.
        TMarkerCase{"GWSETUP-CONFIG:DiskCount=9GWSETUP-CONFIG:DiskCount=3;AssemblyTotalBytes=77;", true, 3, 77}));

TEST(SetupConfig, VolumesCopiedFollowTheSetupProgramsClamp) {
    const std::pair<int64_t, int> cases[] = {{-3, 1}, {0, 1}, {1, 1}, {2, 2}, {4, 4}, {6, 4}};
    for (const auto& [diskCount, copied] : cases) EXPECT_EQ(VolumesCopiedFor(diskCount), copied) << diskCount;
}

TEST(SetupConfig, RebuildHintNamesTheCacheVariables) {
    EXPECT_EQ(RebuildHint(3, 2795000), "-DGLYPHWORK_DISK_COUNT=3 -DGLYPHWORK_ASSEMBLY_TOTAL_BYTES=2795000");
}

}  // namespace
