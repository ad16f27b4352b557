// The product table: the ids the manager knows, names that are safe in server file names, and
// pictures that exist in the resources.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/text/translation_check.h"
#include "text/product_names.h"

using namespace kivo;

namespace {

// The product ids the manager must know, as pairs of first and last id.
const std::vector<std::pair<int, int>> kExpectedIdRanges = {
    {0x2010, 0x2011}, {0x2020, 0x2020}, {0x2030, 0x2030}, {0x2110, 0x2110}, {0x2120, 0x2120}, {0x2210, 0x2210},
    {0x2310, 0x2310}, {0x3010, 0x3010}, {0x3020, 0x3020}, {0x3030, 0x3030}, {0x3032, 0x3032}, {0x3040, 0x3040},
    {0x3050, 0x3050}, {0x3052, 0x3052}, {0x3060, 0x3060}, {0x3070, 0x3070}, {0x3072, 0x3072}, {0x3080, 0x3080},
    {0x3082, 0x3082}, {0x3085, 0x3085}, {0x3110, 0x3110}, {0x3112, 0x3112}, {0x3114, 0x3114}, {0x3116, 0x3116},
    {0x3118, 0x3118}, {0x3124, 0x3124}, {0x3126, 0x3126}, {0x3128, 0x3128}, {0x3132, 0x3132}, {0x3134, 0x3134},
    {0x3136, 0x3136}, {0x3140, 0x3140}, {0x3142, 0x3144}, {0x3146, 0x3146}, {0x3148, 0x3148}, {0x3150, 0x3150},
    {0x3152, 0x3152}, {0x3154, 0x3154}, {0x3156, 0x3156}, {0x3161, 0x3161}, {0x3170, 0x3170}, {0x3210, 0x321D},
    {0x3223, 0x3223}, {0x3232, 0x3233}, {0x3240, 0x3240}, {0x3260, 0x3260}, {0x3264, 0x3264}, {0x3300, 0x3300},
    {0x3310, 0x3310}, {0x3320, 0x3320}, {0x3330, 0x3330}, {0x3340, 0x3343}, {0x3350, 0x3350}, {0x3360, 0x3360},
    {0x3370, 0x3370}, {0x3380, 0x3380}, {0x3400, 0x3400}, {0x3410, 0x3410}, {0x3420, 0x3420}, {0x3430, 0x3430},
    {0x3500, 0x3500}, {0x3540, 0x3540}, {0x3550, 0x3550}, {0x3560, 0x3560}, {0x3570, 0x3570}, {0x3701, 0x3701},
    {0x3800, 0x3800}, {0x3900, 0x3900}, {0x4010, 0x4010}, {0x4020, 0x4021}, {0x4023, 0x4023}, {0x4030, 0x4030},
    {0x4040, 0x4040}, {0x4050, 0x4050}, {0x4110, 0x4113}, {0x4120, 0x4120}, {0x4210, 0x4210}, {0x4310, 0x4310},
    {0x4330, 0x4330}, {0x4410, 0x4410}, {0x4430, 0x4430}, {0x4510, 0x4510}, {0x4530, 0x4530}, {0x4610, 0x4610},
    {0x4D05, 0x4D06}, {0x4D10, 0x4D10}, {0x4D15, 0x4D16}, {0x4D20, 0x4D21}, {0x4D30, 0x4D30}, {0x4D35, 0x4D35},
    {0x4D40, 0x4D40}, {0x4D45, 0x4D45}, {0x4D50, 0x4D50}, {0x4D55, 0x4D55}, {0x4D65, 0x4D65}, {0x4D75, 0x4D76},
    {0x4D85, 0x4D86}, {0x5010, 0x5011}, {0x5020, 0x5020}, {0x5030, 0x5030}, {0x5040, 0x5040}, {0x5050, 0x5050},
    {0x5060, 0x5061}, {0x5070, 0x5070}, {0x5080, 0x5080}, {0x5210, 0x5210}, {0x5310, 0x5310}, {0x5320, 0x5320},
    {0x5330, 0x5330}, {0x5345, 0x5345}, {0x5410, 0x5410}, {0x5412, 0x5412}, {0x5414, 0x5414}, {0x5416, 0x5416},
    {0x5418, 0x5418}, {0x5420, 0x5420}, {0x5424, 0x5424}, {0x5426, 0x5426}, {0x5428, 0x5428}, {0x5430, 0x5430},
    {0x5432, 0x5432}, {0x5434, 0x5434}, {0x5440, 0x5445}, {0x5451, 0x5451}, {0x5510, 0x5510}, {0x5520, 0x5520},
    {0x5522, 0x5522}, {0x5524, 0x5524}, {0x5526, 0x5526}, {0x5530, 0x5530}, {0x5532, 0x5532}, {0x5534, 0x5534},
    {0x5536, 0x5536}, {0x5538, 0x5538}, {0x5550, 0x5550}, {0x5552, 0x5553}, {0x5560, 0x5560}, {0x5562, 0x5562},
    {0x5564, 0x5564}, {0x5570, 0x5570}, {0x5576, 0x5576}, {0x5580, 0x5580}, {0x5590, 0x5597}, {0x5610, 0x5612},
    {0x5620, 0x5624}, {0x5630, 0x5630}, {0x5632, 0x5632}, {0x5710, 0x5710}, {0x5720, 0x5720}, {0x5910, 0x5910},
    {0x5920, 0x5920}, {0x6000, 0x6000}, {0x6010, 0x6010}, {0x6012, 0x6012}, {0x6014, 0x6014}, {0x6016, 0x6016},
    {0x6018, 0x6018}, {0x6020, 0x6020}, {0x6022, 0x6022}, {0x6024, 0x6024}, {0x6026, 0x6026}, {0x6028, 0x6028},
    {0x6030, 0x6030}, {0x6032, 0x6032}, {0x6034, 0x6034}, {0x6036, 0x6036}, {0x6038, 0x6039}, {0x6042, 0x6042},
    {0x6110, 0x6112}, {0x6114, 0x6114}, {0x6120, 0x6121}, {0x6210, 0x6210}, {0x6310, 0x6310}, {0x6320, 0x6320},
    {0x6330, 0x6330}, {0x6335, 0x6335}, {0x6400, 0x6400}, {0x6420, 0x6420}, {0x6430, 0x6430}, {0x6440, 0x6440},
    {0x6450, 0x6450}, {0x6460, 0x6461}, {0x6470, 0x6470}, {0x6480, 0x6481}, {0x6490, 0x6491}, {0x6500, 0x6500},
    {0x6510, 0x6510}, {0x6600, 0x6600}, {0x6610, 0x6610}, {0x6620, 0x6620}, {0x6700, 0x6700}, {0x6800, 0x6806},
    {0x6808, 0x6808}, {0x6810, 0x6812}, {0x6814, 0x6817}, {0x6821, 0x6822}, {0x6824, 0x6825}, {0x6828, 0x6829},
    {0x6831, 0x6831}, {0x6838, 0x683A}, {0x6840, 0x6841}, {0x6845, 0x6848}, {0x6900, 0x6900}, {0x6910, 0x6910},
    {0x6A01, 0x6A04},
};

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool safe_in_file_names(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

const std::filesystem::path kResources = std::filesystem::path(KIVO_SOURCE_DIR) / "app" / "resources";

} // namespace

TEST(ProductNames, TableHoldsExactlyTheKnownProducts)
{
    std::vector<int> expected;
    for (auto [first, last] : kExpectedIdRanges)
        for (int id = first; id <= last; ++id)
            expected.push_back(id);
    std::vector<int> actual;
    for (const auto& entry : product_table())
        actual.push_back(entry.id);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), 285u);
}

TEST(ProductNames, NamesAreUniqueAndInternalNamesAreSafeInFileNames)
{
    // The internal name goes into firmware file names, backup file names and the server's
    // ':'-separated index, and two products with one name would overwrite each other's backups.
    std::set<std::string> displays, internals;
    int differing = 0;
    for (const auto& entry : product_table()) {
        SCOPED_TRACE(testing::Message() << std::hex << entry.id);
        ASSERT_NE(entry.display, nullptr);
        ASSERT_NE(entry.internal, nullptr);
        EXPECT_FALSE(std::string(entry.display).empty());
        EXPECT_TRUE(text_check::valid_utf8(entry.display));
        EXPECT_TRUE(safe_in_file_names(entry.internal)) << entry.internal;
        EXPECT_TRUE(displays.insert(entry.display).second) << entry.display;
        EXPECT_TRUE(internals.insert(entry.internal).second) << entry.internal;
        differing += std::string(entry.display) != entry.internal;
    }
    EXPECT_EQ(differing, 172);
}

TEST(ProductNames, LookupGivesDisplayOrInternalNameAndNothingForUnknownIds)
{
    EXPECT_EQ(ProductNames::tavk_product_name(0x3142), "VARGO Zeltra");
    EXPECT_EQ(ProductNames::tavk_product_name_for_internal(0x3142, false), "VARGO Zeltra");
    EXPECT_EQ(ProductNames::tavk_product_name_for_internal(0x3142, true), "VARGO_Zeltra");
    EXPECT_EQ(ProductNames::tavk_product_name(0x4D10), "Aldero");
    EXPECT_EQ(ProductNames::tavk_product_name_for_internal(0x4D10, true), "Aldero");
    // The first and last entries, and ids just outside them or between them.
    EXPECT_EQ(ProductNames::tavk_product_name(0x2010), "Hailor");
    EXPECT_FALSE(ProductNames::tavk_product_name(0x6A04).empty());
    for (int unknown : {0, 0x2000, 0x3111, 0x6A05, 0xCD10, -1, 0x14D10})
        EXPECT_EQ(ProductNames::tavk_product_name_for_internal(unknown, true), "") << std::hex << unknown;
}

TEST(ProductNames, TitleIsTheSameForEveryFamilyAndLanguage)
{
    for (int family : {0, 0x3142})
        for (ManagerLanguage language : {0, 4, 12, 13, -1})
            EXPECT_EQ(ProductNames::tavk_title_in(family, language), "KIVO Bluetooth Manager");
}

TEST(ProductPictures, EveryProductButOneHasAPictureAndTheyCountAsDesigned)
{
    std::set<std::string> pictures{std::string(kBriskoEvoPicture)};
    for (const auto& entry : product_table()) {
        if (entry.id == 0x3082) {
            EXPECT_EQ(entry.picture, nullptr);
            continue;
        }
        ASSERT_NE(entry.picture, nullptr) << std::hex << entry.id;
        pictures.insert(entry.picture);
    }
    EXPECT_EQ(pictures.size(), 165u);
}

TEST(ProductPictures, EveryPictureIsAFileListedInTheResources)
{
    const std::string qrc = read_file(kResources / "products.qrc");
    std::set<std::string> names{std::string(kBriskoEvoPicture), std::string(kEmblemPicture), std::string(kLockPicture)};
    for (const auto& entry : product_table())
        if (entry.picture)
            names.insert(entry.picture);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string file = "products/" + name + ".svg";
        EXPECT_TRUE(std::filesystem::is_regular_file(kResources / file));
        EXPECT_NE(qrc.find("<file alias=\"" + file + "\">" + file + "</file>"), std::string::npos);
        EXPECT_EQ(picture_resource_path(name), ":/" + file);
    }
}

TEST(ProductPictures, BriskoDivisionChoosesEvoAndUnknownProductsGetTheEmblem)
{
    struct Case {
        int product;
        int division;
        std::string picture;
    };
    const Case cases[] = {
        {0x4210, 16, "brisko_evo"}, {0x4210, 27, "brisko_evo"},  {0x4210, 0, "brisko"},      {0x4210, 17, "brisko"},
        {0x4210, -16, "brisko"},    {0x4310, 16, "brisko_tour"}, {0x3082, 0, "kivo_emblem"}, {0x1234, 0, "kivo_emblem"},
        {0, 27, "kivo_emblem"},     {0x4D10, 0, "aldero"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(product_picture(c.product, c.division), c.picture)
            << std::hex << c.product << " " << std::dec << c.division;
}
