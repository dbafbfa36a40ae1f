#include "catalogue/settings_values.h"

#include <gtest/gtest.h>

#include "catalogue/plugin_objects.h"

TEST(SettingsValues, IntegersAcceptHexadecimalAndRefuseTheRest) {
    EXPECT_EQ(ParseSettingsInteger("5"), 5);
    EXPECT_EQ(ParseSettingsInteger(" -12 "), -12);
    EXPECT_EQ(ParseSettingsInteger("0x1F"), 31);
    EXPECT_EQ(ParseSettingsInteger("0XfF"), 255);
    EXPECT_EQ(ParseSettingsInteger("$10"), 16);
    EXPECT_EQ(ParseSettingsInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseSettingsInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseSettingsInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "0x", "1.5", "12a", "2147483648", "0x100000000", "yes", "--1",
                            "99999999999999999999"})
        EXPECT_EQ(ParseSettingsInteger(bad), std::nullopt) << bad;
}

TEST(SettingsValues, BooleansAreIntegers) {
    EXPECT_TRUE(ParseSettingsBoolean("1", false));
    EXPECT_TRUE(ParseSettingsBoolean("-3", false));
    EXPECT_TRUE(ParseSettingsBoolean("0x1", false));
    EXPECT_FALSE(ParseSettingsBoolean("0", true));
    EXPECT_TRUE(ParseSettingsBoolean("", true));
    EXPECT_FALSE(ParseSettingsBoolean("true", false));  // not an integer: the default
    EXPECT_STREQ(BooleanText(true), "1");
    EXPECT_STREQ(BooleanText(false), "0");
}

TEST(SettingsValues, HotKeysAsShortcutTexts) {
    using namespace hot_key;
    EXPECT_EQ(ShortCutToText(0x0279), "Ctrl+F10");
    EXPECT_EQ(ShortCutToText(0x027B), "Ctrl+F12");
    EXPECT_EQ(ShortCutToText(kShift | kCtrl | kAlt | 'A'), "Shift+Ctrl+Alt+A");
    EXPECT_EQ(ShortCutToText(kAlt | kExtended | 0x24), "Alt+Home");
    EXPECT_EQ(ShortCutToText(0x60), "Num 0");
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(kCtrl | 0xFF), "Ctrl+Key 255");  // a key without a name
    EXPECT_EQ(ShortCutToText(kCtrl), "");                     // modifiers alone are no key

    EXPECT_EQ(TextToShortCut("Ctrl+F10"), 0x0279);
    EXPECT_EQ(TextToShortCut("alt+ctrl+shift+a"), kShift | kCtrl | kAlt | 'A');
    EXPECT_EQ(TextToShortCut("Alt+Home"), kAlt | kExtended | 0x24);
    EXPECT_EQ(TextToShortCut("Ctrl+Num +"), kCtrl | 0x6B);
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), std::nullopt);
    EXPECT_EQ(TextToShortCut("Hyper+F1"), std::nullopt);
    EXPECT_EQ(TextToShortCut("F25"), std::nullopt);
    // Every named key goes there and back.
    for (int vk = 1; vk < 256; ++vk) {
        auto code = static_cast<HotKeyCode>(kCtrl | kShift | vk);
        std::string text = ShortCutToText(code);
        if (text.empty())
            continue;
        auto back = TextToShortCut(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back & ~kExtended, code) << text;
    }
}

// The keys the old name table lacked: they were written as "" and lost at the next start.
TEST(SettingsValues, KeysBeyondTheCommonOnesHaveNames) {
    using namespace hot_key;
    EXPECT_EQ(ShortCutToText(kCtrl | kExtended | 0x5D), "Ctrl+Apps");
    EXPECT_EQ(ShortCutToText(kAlt | kExtended | 0x2C), "Alt+Print Screen");
    EXPECT_EQ(ShortCutToText(kExtended | 0xAF), "Volume Up");
    EXPECT_EQ(ShortCutToText(kExtended | 0xB3), "Play/Pause Media");
    EXPECT_EQ(ShortCutToText(kCtrl | kExtended | 0x0D), "Ctrl+Num Enter");
    EXPECT_EQ(ShortCutToText(kCtrl | 0x0D), "Ctrl+Enter");
    EXPECT_EQ(ShortCutToText(kShift | 0x24), "Shift+Num Home");  // Num Lock off
    EXPECT_EQ(ShortCutToText(kShift | kExtended | 0x24), "Shift+Home");
    EXPECT_EQ(ShortCutToText(0x2E), "Key 46");  // Del of the numeric pad, Num Lock off
    EXPECT_EQ(ShortCutToText(kAlt | kExtended | 'A'), "Alt+Key 65 Ext");
    EXPECT_EQ(ShortCutToText(0x92), "Key 146");
    EXPECT_EQ(TextToShortCut("ctrl+apps"), kCtrl | kExtended | 0x5D);
    EXPECT_EQ(TextToShortCut("Key 146 ext"), kExtended | 0x92);
    for (const char* bad : {"Key 0", "Key 256", "Key ", "Key x", "Key 1000", "Key -1", "Key 12 E"})
        EXPECT_EQ(TextToShortCut(bad), std::nullopt) << bad;
}

// Every code the hot-key control can give: any key with any modifiers, extended or not.
TEST(SettingsValues, EveryHotKeyTheControlGivesRoundTrips) {
    using namespace hot_key;
    for (int vk = 1; vk < 256; ++vk) {
        for (HotKeyCode flags = 0; flags <= (kShift | kCtrl | kAlt | kExtended); flags += kShift) {
            auto code = static_cast<HotKeyCode>(flags | vk);
            std::string text = ShortCutToText(code);
            ASSERT_FALSE(text.empty()) << std::hex << code;
            EXPECT_EQ(TextToShortCut(text), code) << text;
        }
    }
}

TEST(SettingsValues, NumberedNamesAreFoundInOrderUpToTheLimit) {
    EXPECT_EQ(NumberedNames({"3", "1", "Count", "x2", "02", "7", "-4", "+5", "1", " 6"}, "", 5),
              (std::vector<int>{1, 3}));
    EXPECT_EQ(NumberedNames({"Object_2", "object_10", "Object_", "Objects", "Ann.Options",
                             "Object_9999999999", "Object_3x"},
                            "Object_", 1000),
              (std::vector<int>{2, 10}));
    EXPECT_EQ(NumberedNames({"1", "2"}, "", 0), std::vector<int>{});
    EXPECT_EQ(NumberedNames({"2147483647"}, "", 2147483647), std::vector<int>{2147483647});
}

TEST(PluginObjects, EnabledRecordsWithTheirNamesAndLines) {
    TiDbRecFile file;
    ASSERT_TRUE(file.Load(
        WriteRecordFile({{"wlitPlugin_A|1",
                          "DisplayName_44=Alpha\r\nDisplayName_49=Alpha (de)\r\nS0=R||HKCU "
                          "A\\||D|\r\nS1=F||C:\\a\\|*.*|D|\r\nS3=unreached"},
                         {"wlitPlugin_B|1 disabled", "DisplayName_44=Beta"},
                         {"somethingElse", "DisplayName_44=Gamma"},
                         {"wlitPlugin_C", "DisplayName_44=Gamma"},
                         {"x wlitPlugin_D|2", ""}},
                        true)));
    auto german = PluginObjectsIn(file, 49);
    ASSERT_EQ(german.size(), 3u);
    EXPECT_EQ(german[0].Plugin.Id, "wlitPlugin_A");
    EXPECT_EQ(german[0].DisplayName, "Alpha (de)");
    EXPECT_EQ(german[0].Plugin.Lines,
              (std::vector<std::string>{"R||HKCU A\\||D|", "F||C:\\a\\|*.*|D|"}));
    EXPECT_EQ(german[1].Plugin.Id, "wlitPlugin_C");
    EXPECT_EQ(german[1].DisplayName, "Gamma");  // no German name: the English one
    EXPECT_TRUE(german[1].Plugin.Lines.empty());
    EXPECT_EQ(german[2].Plugin.Id, "x wlitPlugin_D");
    EXPECT_EQ(german[2].DisplayName, "x wlitPlugin_D");  // no name at all: its Id
}
