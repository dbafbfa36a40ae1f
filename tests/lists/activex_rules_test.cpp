// The ActiveX tab's lines, its clicks and what they leave in the accepted list; what a wash
// spares; the INF files' uninstall section.
#include <gtest/gtest.h>

#include "lists/activex_list.h"
#include "lists/activex_rules.h"

using Lines = std::vector<std::string>;

namespace {

const char kCache[] = "C:\\Windows\\Downloaded Program Files\\";

std::string Shown(const ActiveXList& list) {
    std::string text;
    for (const ActiveXItem& item : list.Items())
        text += std::string(item.disabled ? "-" : " ") + (item.checked ? "[x] " : "[ ] ") +
                item.name + " | " + item.path + "\n";
    return text;
}

DistributionUnit InfUnit(const std::string& name, const std::string& inf,
                         const std::string& friendly = "") {
    DistributionUnit unit;
    unit.name = name;
    unit.hasDownloadInformation = true;
    unit.inf = inf;
    unit.infExists = true;
    unit.friendlyName = friendly;
    return unit;
}

DistributionUnit OsdUnit(const std::string& name, const std::string& osd) {
    DistributionUnit unit;
    unit.name = name;
    unit.hasDownloadInformation = true;
    unit.osd = osd;
    unit.osdExists = true;
    return unit;
}

CacheEntry Entry(const std::string& name) {
    return CacheEntry{name, kCache + name};
}

}  // namespace

TEST(ActiveXItems, UnitsByTheirFilesThenTheCacheEntriesNoLineNamesYet) {
    const std::string cache = kCache;
    DistributionUnit missing = InfUnit("{MISSING}", cache + "gone.inf");
    missing.infExists = false;
    missing.osd = cache + "gone.osd";  // named but not there
    DistributionUnit bare;
    bare.name = "NoDownloadInformation";
    DistributionUnit empty;  // download information without a file named
    empty.name = "{EMPTY}";
    empty.hasDownloadInformation = true;
    const std::vector<DistributionUnit> units = {
        OsdUnit("{OSD-1}", cache + "viewer.osd"),
        InfUnit("{A1}", cache + "player.inf", "Media Player = Plus"),
        InfUnit("Plain Unit", cache + "plain.inf", "not shown: no class id"),
        missing,
        empty,
        bare,
    };
    // The INF a unit names and a folder that holds a unit's file are not listed again.
    const std::vector<CacheEntry> entries = {Entry("viewer.osd"), Entry("PLAYER.INF"),
                                             Entry("loose.ocx"), Entry("CONFLICT.1")};
    std::vector<DistributionUnit> withFolder = units;
    withFolder.push_back(InfUnit("{B2}", cache + "CONFLICT.1\\b.inf"));
    Lines accepted;
    ActiveXList list;
    list.Rebuild(withFolder, entries, accepted);
    EXPECT_EQ(Shown(list), "-[x] {OSD-1} | " + cache + "viewer.osd\n" +
                               " [ ] Media Player = Plus | " + cache + "player.inf\n" +
                               " [ ] Plain Unit | " + cache + "plain.inf\n" +
                               " [ ] NoDownloadInformation | \n" + " [ ] {B2} | " + cache +
                               "CONFLICT.1\\b.inf\n" + " [ ] loose.ocx | " + cache + "loose.ocx\n");
    EXPECT_TRUE(accepted.empty()) << "building the list accepts nothing";
}

TEST(ActiveXItems, AcceptedEntriesFollowThePathFoundAndCheckTheirLines) {
    const std::string cache = kCache;
    Lines accepted = {"media player = plus=D:\\old\\player.inf", "{OSD-1}=D:\\old\\viewer.osd",
                      "loose.ocx=" + cache + "LOOSE.OCX"};
    ActiveXList list;
    list.Rebuild({OsdUnit("{OSD-1}", cache + "viewer.osd"),
                  InfUnit("{A1}", cache + "player.inf", "Media Player = Plus")},
                 {Entry("loose.ocx")}, accepted);
    EXPECT_EQ(Shown(list), "-[x] {OSD-1} | " + cache + "viewer.osd\n" +
                               " [x] Media Player = Plus | " + cache + "player.inf\n" +
                               " [x] loose.ocx | " + cache + "loose.ocx\n");
    // The stored names stay as they were written; the paths are the ones found.
    EXPECT_EQ(accepted,
              (Lines{"media player = plus=" + cache + "player.inf",
                     "{OSD-1}=" + cache + "viewer.osd", "loose.ocx=" + cache + "LOOSE.OCX"}));
}

TEST(ActiveXList, ClicksAcceptExactlyTheLineShownAndNeverChangeADisabledOne) {
    const std::string cache = kCache;
    Lines accepted;
    ActiveXList list;
    list.Rebuild({OsdUnit("{OSD-1}", cache + "viewer.osd"),
                  InfUnit("{A1}", cache + "a=b.inf", "Name=With=Equals")},
                 {Entry("x.dll")}, accepted);
    list.ClickCheck(0, accepted);  // properly installed: nothing happens
    list.ClickCheck(1, accepted);
    EXPECT_EQ(accepted, Lines{"Name=With=Equals=" + cache + "a=b.inf"});
    EXPECT_EQ(AcceptedLineName(accepted[0]), "Name=With=Equals");
    EXPECT_EQ(AcceptedLinePath(accepted[0]), cache + "a=b.inf");
    EXPECT_TRUE(list.Items()[0].checked && list.Items()[1].checked);
    list.ClickCheck(1, accepted);
    EXPECT_TRUE(accepted.empty());
    EXPECT_FALSE(list.Items()[1].checked);
    list.ClickCheck(7, accepted);  // no such line

    list.SelectAll(accepted);
    EXPECT_EQ(accepted,
              (Lines{"Name=With=Equals=" + cache + "a=b.inf", "x.dll=" + cache + "x.dll"}));
    list.SelectAll(accepted);
    EXPECT_EQ(accepted.size(), 2u) << "each line once";
    accepted.push_back("other=D:\\kept.dll");
    list.DeselectAll(accepted);
    EXPECT_EQ(accepted, Lines{"other=D:\\kept.dll"}) << "only the list's own lines go";
    EXPECT_TRUE(list.Items()[0].checked) << "the properly installed line stays checked";
    EXPECT_FALSE(list.Items()[1].checked || list.Items()[2].checked);
}

TEST(ActiveXRules, APathIsSparedWhenAnAcceptedLineNamesItOrSomethingInsideIt) {
    const Lines accepted = {"Viewer=C:\\Cache\\Sub\\viewer.ocx", "bare unit", "x=relative.dll"};
    EXPECT_TRUE(PathIsAccepted(accepted, "c:\\cache\\sub\\VIEWER.OCX"));
    EXPECT_TRUE(PathIsAccepted(accepted, "C:\\Cache\\Sub"));  // the folder that holds it
    EXPECT_FALSE(PathIsAccepted(accepted, "C:\\Cache\\Sub\\viewer.oc"));
    EXPECT_FALSE(PathIsAccepted(accepted, "C:\\Cache\\Sub\\viewer.ocx.old"));
    EXPECT_FALSE(PathIsAccepted(accepted, "C:\\Cache\\Su"));
    EXPECT_FALSE(PathIsAccepted(accepted, "C:\\Cache\\Other.ocx"));
    EXPECT_FALSE(PathIsAccepted(accepted, ""));
}

TEST(ActiveXRules, EntriesByKindAndExtensionInAnyLetterCase) {
    EXPECT_EQ(KindOfCacheEntry("CONFLICT.1", true), CacheEntryKind::Folder);
    EXPECT_EQ(KindOfCacheEntry("Desktop.INI", false), CacheEntryKind::DesktopIni);
    EXPECT_EQ(KindOfCacheEntry("a.OSD", false), CacheEntryKind::Description);
    EXPECT_EQ(KindOfCacheEntry("a.Dll", false), CacheEntryKind::Library);
    EXPECT_EQ(KindOfCacheEntry("a.ocx", false), CacheEntryKind::Library);
    EXPECT_EQ(KindOfCacheEntry("a.inf", false), CacheEntryKind::SetupFile);
    EXPECT_EQ(KindOfCacheEntry("a.EXE", false), CacheEntryKind::Program);
    EXPECT_EQ(KindOfCacheEntry("a.inf.txt", false), CacheEntryKind::Other);
    EXPECT_EQ(KindOfCacheEntry("noextension", false), CacheEntryKind::Other);
    EXPECT_TRUE(LooksLikeClassId("{1234}"));
    EXPECT_FALSE(LooksLikeClassId("}1234{"));
    EXPECT_EQ(ModuleUsageKeyName("C:\\Cache\\a.ocx"), "C:/Cache/a.ocx");
}

TEST(ActiveXRules, TheUninstallCallsOfBothFamilies) {
    ProgramCall nt = InfUninstallCall(true, "C:\\DOWNLO~1\\A.INF");
    EXPECT_EQ(nt.program, "rundll32");
    EXPECT_EQ(nt.parameters,
              "setupapi,InstallHinfSection DefaultUninstall 132 C:\\DOWNLO~1\\A.INF");
    ProgramCall old = InfUninstallCall(false, "C:\\DOWNLO~1\\A.INF");
    EXPECT_EQ(old.program, "rundll");
    EXPECT_EQ(old.parameters,
              "setupx.dll,InstallHinfSection DefaultUninstall 132 C:\\DOWNLO~1\\A.INF");
    EXPECT_EQ(UnregisterCall("C:\\a b\\c.ocx").parameters, "/u /s \"C:\\a b\\c.ocx\"");
}

TEST(InfFiles, TheUninstallSectionInAnsiOrUtf16AndNotInAComment) {
    EXPECT_TRUE(InfHasSection("[Version]\r\nSignature=x\r\n\r\n  [ defaultuninstall ]  \r\n",
                              "DefaultUninstall"));
    EXPECT_TRUE(InfHasSection("\xEF\xBB\xBF[DefaultUninstall]", "DefaultUninstall"));
    EXPECT_FALSE(InfHasSection("; [DefaultUninstall]\r\nDefaultUninstall=1\r\n[DefaultUninstallX]",
                               "DefaultUninstall"));
    EXPECT_FALSE(InfHasSection("[DefaultUninstall", "DefaultUninstall"));
    EXPECT_FALSE(InfHasSection("", "DefaultUninstall"));
    const std::string ascii = "[Version]\n[DefaultUninstall]\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii)
        utf16 += std::string{c, '\0'};
    EXPECT_TRUE(InfHasSection(utf16, "DefaultUninstall"));
    std::string bigEndian = "\xFE\xFF";
    for (char c : ascii)
        bigEndian += std::string{'\0', c};
    EXPECT_TRUE(InfHasSection(bigEndian, "DefaultUninstall"));
    EXPECT_FALSE(InfHasSection(ascii.substr(0, 5) + std::string(1, '\0') + "[x]", "Default"));
}
