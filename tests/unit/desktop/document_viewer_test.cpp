// The Help menu's two documents: which file the editor is started on, which check comes
// first, and the exact box the user sees when the editor or the catalogue is missing.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/product.h"
#include "desktop/document_viewer.h"
#include "platform/file_exists.h"
#include "platform/text_editor.h"
#include "tests/support/recording_dialogs.h"
#include "tests/unit/main_form_fixture.h"
#include "tests/unit/settings/temp_folder.h"

namespace orr {
namespace {

constexpr const char* kUsualCatalogBox =
    "Vintrel's Shareware Catalog is not in the same directory as Orrindale v1.0.  The required file "
    "'catalog.txt' was included in the distribution ZIP file.  Please unzip this file and try again.";

// A system where the test decides what exists, and every question asked is logged.
struct FakeSystem {
    std::string folder = "C:\\Tools\\";
    std::string file_name = "orrindale.exe";
    bool editor = true;
    bool catalog = true;
    std::vector<std::string> asked;
    std::vector<std::string> started;

    DocumentSystem system()
    {
        return {[this] { return folder; }, [this] { return file_name; },
                [this](const std::string& path) {
                    asked.push_back("exists " + path);
                    return catalog;
                },
                [this] {
                    asked.push_back("editor");
                    return editor;
                },
                [this](const std::string& document) { started.push_back(document); }};
    }
};

class DocumentViewerTest : public ::testing::Test {
protected:
    void SetUp() override { set_dialogs(&user); }
    void TearDown() override { set_dialogs(nullptr); }

    std::vector<std::string> box_texts() const
    {
        std::vector<std::string> texts;
        for (const BoxRequest& box : user.shown) {
            EXPECT_EQ(box.kind, BoxKind::Information);
            EXPECT_EQ(box.caption, "Information");
            EXPECT_EQ(box.buttons, BoxButtons::Ok);
            texts.push_back(box.text);
        }
        return texts;
    }

    RecordingDialogs user;
    FakeSystem fake;
};

TEST_F(DocumentViewerTest, ReadmeIsTheExecutableNameCutAtItsFirstDot)
{
    const struct {
        const char* executable;
        const char* readme;
    } cases[] = {{"orrindale.exe", "orrindale.txt"}, {"orrindale", "orrindale.txt"},
                 {"my.orrindale", "my.txt"},         {"my.orrindale.exe", "my.txt"},
                 {"Calendar", "Calendar.txt"},       {".hidden", ".txt"}};
    for (const auto& c : cases)
        EXPECT_EQ(readme_file_name(c.executable), c.readme) << c.executable;
}

TEST_F(DocumentViewerTest, ReadmeOpensBesideTheProgramWithoutAnExistenceTest)
{
    fake.folder = "/home/ann/My Tools/";
    fake.file_name = "orrindale";
    fake.catalog = false; // a missing readme is opened all the same
    DocumentViewer(fake.system()).Show_Readme_File();

    EXPECT_EQ(fake.started, std::vector<std::string>{"/home/ann/My Tools/orrindale.txt"});
    EXPECT_EQ(fake.asked, std::vector<std::string>{"editor"});
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(DocumentViewerTest, ReadmeWithoutAnEditorShowsTheNotepadBoxAndStartsNothing)
{
    fake.editor = false;
    DocumentViewer(fake.system()).Show_Readme_File();

    EXPECT_EQ(box_texts(), std::vector<std::string>{"Windows Notepad could not be found."});
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(DocumentViewerTest, CatalogueIsTestedBeforeTheEditor)
{
    // Both missing: the catalogue's box, and the editor is not even looked for.
    fake.catalog = false;
    fake.editor = false;
    DocumentViewer(fake.system()).Show_Catalog_File(kProductTitle);
    EXPECT_EQ(box_texts(), std::vector<std::string>{kUsualCatalogBox});
    EXPECT_EQ(fake.asked, std::vector<std::string>{"exists C:\\Tools\\catalog.txt"});
    EXPECT_TRUE(fake.started.empty());

    // Present, editor missing: the editor's box.
    user.shown.clear();
    fake.catalog = true;
    DocumentViewer(fake.system()).Show_Catalog_File(kProductTitle);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Windows Notepad could not be found."});
    EXPECT_TRUE(fake.started.empty());

    // Both there: the catalogue opens, whatever the executable is called.
    user.shown.clear();
    fake.editor = true;
    fake.file_name = "my.orrindale.exe";
    DocumentViewer(fake.system()).Show_Catalog_File(kProductTitle);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Tools\\catalog.txt"});
}

TEST_F(DocumentViewerTest, CatalogueBoxNamesTheTitleItIsGiven)
{
    fake.catalog = false;
    DocumentViewer(fake.system()).Show_Catalog_File("Some Other Title");
    EXPECT_EQ(box_texts(),
              std::vector<std::string>{
                  "Vintrel's Shareware Catalog is not in the same directory as Some Other Title.  "
                  "The required file 'catalog.txt' was included in the distribution ZIP file.  "
                  "Please unzip this file and try again."});
}

TEST_F(DocumentViewerTest, CatalogueThatIsAFolderCountsAsMissing)
{
    test::TempFolder folder;
    std::filesystem::create_directory(folder.path() / kCatalogFileName);
    DocumentSystem system = fake.system();
    system.executable_folder = [&] { return (folder.path() / "").string(); };
    system.file_exists = platform::file_exists;
    DocumentViewer(system).Show_Catalog_File(kProductTitle);

    EXPECT_EQ(box_texts(), std::vector<std::string>{kUsualCatalogBox});
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(DocumentViewerTest, LongPathIsPassedWhole)
{
    const std::string path = "C:\\" + std::string(289, 'd') + "\\a b.txt";
    ASSERT_EQ(path.size(), 300u);
    DocumentViewer(fake.system()).Open_In_Notepad(path);
    EXPECT_EQ(fake.started, std::vector<std::string>{path});

    // Notepad's line: its name, one space, the path unquoted even with spaces in it.
    EXPECT_EQ(platform::notepad_command_line(path), "Notepad.exe " + path);
    EXPECT_EQ(platform::notepad_command_line("C:\\My Tools\\orrindale.txt"),
              "Notepad.exe C:\\My Tools\\orrindale.txt");
}

// The Help menu's handlers, after a real start-up has set the About window's texts.
class DocumentCommandsTest : public test::MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        form.document_viewer = DocumentViewer(fake.system());
        form.FormShow();
        user.shown.clear();
    }
    FakeSystem fake;
};

TEST_F(DocumentCommandsTest, CatalogueBoxNamesTheAboutWindowsProductName)
{
    fake.catalog = false;
    form.View_Shareware_Catalog_OptionClick();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kUsualCatalogBox);
}

TEST_F(DocumentCommandsTest, ReadmeCommandStartsTheEditorOnTheReadme)
{
    form.View_Readme_file_OptionClick();
    EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Tools\\orrindale.txt"});
    EXPECT_TRUE(user.shown.empty());
}

} // namespace
} // namespace orr
