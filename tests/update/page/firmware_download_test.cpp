// The pages' downloads and the actions that start work, in the whole application offscreen against
// a local firmware server, with a worker that only notes what it was asked to write: Browse, the
// save panel, a download in blocks into a file that replaces the target only at its end and only
// with firmware, each failure with its texts (an empty body, a body past the download's bounds, a
// page or half an image, a disk that refuses the data among them) and the user's earlier file kept,
// the end of a download on each page, and Update and Restore with and without a run to recover.

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <mutex>
#include <optional>

#include "app/data_folders.h"
#include "app/net/http_stream.h"
#include "device/backup_archive.h"
#include "main/page_factory.h"
#include "tests/app/app_fixture.h"
#include "tests/app/file_text.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/update/page/page_shots.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/new_update_sheet.h"
#include "update/page/update_page.h"

using namespace std::chrono_literals;
using kivo::AppText;
using kivo::UpdateTexts;
using testnet::Reply;

namespace {

constexpr char kFirmware[] = "/kivobluetoothmanager/Firmware";
constexpr char kRevisions[] = "/kivobluetoothmanager/Revisions";
constexpr char kImage[] = "/kivobluetoothmanager/fw/VARGO_Zeltra_v2.2.img";
constexpr char kBackupImage[] = "/kivobluetoothmanager/VARGO_Zeltra_v2.1.img";

struct AskedRun {
    std::string file;
    int mode = 0;
};

// The runs a page was asked for, noted on its worker.
struct RunLog {
    std::mutex mutex;
    std::vector<AskedRun> runs;
    std::vector<AskedRun> taken()
    {
        std::lock_guard lock(mutex);
        return runs;
    }
};

class RecordingPage : public UpdateViewController {
public:
    RecordingPage(kivo::PageHost& host, int mode, RunLog& log)
        : UpdateViewController(host, mode)
        , log_(log)
    { }

protected:
    void runUpdate(kivo::UpdateInputs inputs, kivo::UpdateShared& shared, kivo::UpdateHost&) override
    {
        {
            std::lock_guard lock(log_.mutex);
            log_.runs.push_back({inputs.firmwareFile, inputs.mode});
        }
        shared.setUpdateFinished(true);
    }

private:
    RunLog& log_;
};

// A firmware container for the OEM headset, as the server holds it.
std::string image(size_t size, uint32_t seed)
{
    const fwfile::Bytes file = fwfile::make_container({"v2.2", 0x3142, true, {fwfile::pattern(size, seed)}});
    return std::string(file.begin(), file.end());
}

// A page of the kind a server sends in place of a file.
constexpr char kPage[] = "<html><body>Service unavailable</body></html>\n";

// The first half of body, announced as the whole: HTTP calls it complete.
Reply first_half_of(const std::string& body) { return Reply{.body = body.substr(0, body.size() / 2)}; }

// While it lasts, a file of the process cannot grow past `bytes`: its writes fail there, as on a
// full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        // The signal of a write past the limit would end the process: the write's failure is enough.
        previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

std::string status_of(const std::string& first, const std::string& reason, const char* format = "%@. %@")
{
    return kivo::fill_format(format, {first, reason});
}

} // namespace

class FirmwareDownload : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = application_pages();
        factory.update = [this](kivo::PageHost& host, int mode) {
            return std::make_unique<RecordingPage>(host, mode, log);
        };
        return factory;
    }
    std::string serverBase() override { return server.base(); }

    void SetUp() override
    {
        AppTest::SetUp();
        folder = archiveFolder().parent_path() / "chosen";
        std::filesystem::create_directories(folder);
        server.serve(kImage, Reply{.body = latest, .chunkSize = 8192, .chunkPause = 1ms});
        server.serve(kBackupImage, Reply{.body = backup, .chunkSize = 8192});
    }

    UpdateViewController& update() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    UpdateViewController& restore() { return *static_cast<UpdateViewController*>(app().restoreViewController()); }
    NewUpdateSheet& sheet() { return *update().sheetNewUpdateFound(); }

    // The update page entered with the device at 2.1, its read ended.
    void enterUpdate(const std::string& index = "VARGO_Zeltra:v2.2:fw/VARGO_Zeltra_v2.2.img\r\n")
    {
        server.serve(kFirmware, Reply{200, index});
        recognize(0x3142, 2, 1);
        app().setUsbStatus(0x3142);
        app().setFirmwareUpdateWithStatus(true);
        run_events_until([&] { return !update().readActive(); });
    }

    // The restore page entered with a backup of 2.1, its read ended.
    void enterRestore(const std::string& revisions = "VARGO_Zeltra:v2.1:VARGO_Zeltra_v2.1.img\r\n")
    {
        KIVOBluetoothDeviceData record;
        record.setDeviceRecognized(0x3142);
        record.setDeviceVersionMajor(2);
        record.setDeviceVersionMinor(1);
        record.setManagerVersionMajor(3);
        std::filesystem::create_directories(archiveFolder());
        ASSERT_TRUE(kivo::write_backup_archive(record, kivo::backup_archive_file(archiveFolder(), 0x3142)));
        server.serve(kRevisions, Reply{200, revisions});
        recognize(0x3142, 2, 2);
        app().setUsbStatus(0x3142);
        app().setFirmwareRestoreWithStatus(true);
        run_events_until([&] { return !restore().readActive(); });
    }

    QFileDialog* panel(const char* name)
    {
        for (QFileDialog* dialog : window().findChildren<QFileDialog*>(QString::fromLatin1(name)))
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }

    // Chooses file in the panel and accepts it (a file there replaced, as the person agrees to).
    void accept(QFileDialog* dialog, const std::filesystem::path& file)
    {
        ASSERT_NE(dialog, nullptr);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(QString::fromStdString(file.string()));
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    }

    void downloadEnds(UpdateViewController& page)
    {
        run_events_until([&] { return !page.downloadActive() && !page.runActive(); });
    }

    std::filesystem::path restoreImage() const { return archiveFolder() / "VARGO_Zeltra.img"; }
    // Files in folder other than the ones named: what a download may have left behind.
    static std::vector<std::string> leftovers(const std::filesystem::path& dir, const std::vector<std::string>& kept)
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            // The records of downloads under way, none once a download has ended.
            if (entry.path() == kivo::download_records_folder() && std::filesystem::is_empty(entry.path()))
                continue;
            const std::string name = entry.path().filename().string();
            if (std::find(kept.begin(), kept.end(), name) == kept.end())
                found.push_back(name);
        }
        return found;
    }

    testnet::LocalHttpServer server;
    RunLog log;
    std::filesystem::path folder;
    const std::string latest = image(200000, 1);
    const std::string backup = image(120000, 2);
};

TEST_F(FirmwareDownload, BrowsePutsThePickedFileInTheField)
{
    enterUpdate();
    sheet().ui.btnNo->click();
    const std::string picked = (folder / "picked.img").string();
    write_text(picked, "image");
    const std::string status = statusLine();

    update().updateUi().btnBrowse->click();
    QFileDialog* dialog = panel("browsePanel");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    QMetaObject::invokeMethod(dialog, "reject", Qt::DirectConnection);
    EXPECT_TRUE(update().updateUi().tfFirmwareFile->text().isEmpty()) << "Cancel changes nothing";
    EXPECT_EQ(statusLine(), status);
    EXPECT_FALSE(update().updateUi().btnUpdate->isEnabled());

    update().updateUi().btnBrowse->click();
    accept(panel("browsePanel"), picked);
    EXPECT_EQ(update().updateUi().tfFirmwareFile->text().toStdString(), picked);
    EXPECT_EQ(statusLine(), UpdateTexts::tavk_string_press_update_button_in(0));
    EXPECT_FALSE(app().statusWithWarning());
    EXPECT_TRUE(update().updateUi().btnUpdate->isEnabled());
    EXPECT_TRUE(log.taken().empty());
}

TEST_F(FirmwareDownload, BothPanelsShowTheirColumnsWhole)
{
    // A size, a type and a date such as the panels met them cut ("975...tes").
    window().show();
    write_text(folder / "VARGO_Zeltra_v2.1-with-a-long-name.img", std::string(975, 'x'));
    write_text(folder / "VARGO_Zeltra_v2.2.img", std::string(1200000, 'x'));
    enterUpdate();
    sheet().ui.btnNo->click();
    const std::pair<QPushButton*, const char*> panels[] = {{update().updateUi().btnBrowse, "browsePanel"},
                                                           {update().updateUi().btnDownload, "savePanel"}};
    for (const auto& [button, name] : panels) {
        SCOPED_TRACE(name);
        button->click();
        QFileDialog* dialog = panel(name);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(QString::fromStdString(folder.string()));
        auto* details = dialog->findChild<QTreeView*>();
        ASSERT_NE(details, nullptr);
        const auto* files = qobject_cast<const QFileSystemModel*>(details->model());
        ASSERT_NE(files, nullptr);
        // The panel's own thread reads the folder.
        run_events_until_unbounded([&] { return files->rowCount(details->rootIndex()) == 2; });
        run_events_for(50);
        grab_page(*dialog, name);
        // What each cell's text (and the name's icon) needs, as the view's delegate measures it.
        QStyleOptionViewItem option;
        option.initFrom(details);
        option.font = details->font();
        const int icon = details->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, details);
        option.decorationSize = QSize(icon, icon);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < details->header()->count(); ++column) {
                const QModelIndex cell = files->index(row, column, details->rootIndex());
                EXPECT_LE(details->itemDelegate()->sizeHint(option, cell).width(),
                          details->header()->sectionSize(column))
                    << cell.data().toString().toStdString();
            }
        QMetaObject::invokeMethod(dialog, "reject", Qt::DirectConnection);
    }
}

TEST_F(FirmwareDownload, YesDownloadsTheLatestAndUpdatesWithIt)
{
    enterUpdate();
    sheet().ui.btnYes->click();
    QFileDialog* dialog = panel("savePanel");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(QFileInfo(dialog->selectedFiles().value(0)).fileName().toStdString(), "VARGO_Zeltra_v2.2.img")
        << "the last segment of the server's name";

    // Cancel leaves everything as it was; the offer still stands.
    QMetaObject::invokeMethod(dialog, "reject", Qt::DirectConnection);
    EXPECT_EQ(update().state(), kStateIdle);
    EXPECT_FALSE(app().onProcessing());
    EXPECT_TRUE(update().newUpdateFound());
    EXPECT_EQ(server.requestCount(kImage), 0);

    update().updateUi().btnDownload->click();
    const std::filesystem::path target = folder / "latest.img";
    accept(panel("savePanel"), target);
    EXPECT_EQ(update().state(), kStateDownloadingFirmware);
    EXPECT_TRUE(app().onProcessing());
    EXPECT_EQ(statusLine(),
              AppText::tavk_status_processing_usb_in(kModeUpdate, 0x3142, 0) + " " +
                  UpdateTexts::tavk_string_about_to_download_latest_firmware_in(0));
    downloadEnds(update());

    EXPECT_EQ(read_text(target), latest) << "every block, in order";
    EXPECT_EQ(leftovers(folder, {"latest.img"}), std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::is_empty(kivo::download_records_folder())) << "its record forgotten";
    EXPECT_EQ(update().updateUi().tfFirmwareFile->text().toStdString(), target.string());
    const std::vector<AskedRun> runs = log.taken();
    ASSERT_EQ(runs.size(), 1u) << "the offer stood: the update starts at the download's end";
    EXPECT_EQ(runs[0].file, target.string());
    EXPECT_EQ(runs[0].mode, kModeUpdate);
    EXPECT_EQ(update().state(), kStateIdle);
    EXPECT_FALSE(app().onProcessing());
}

TEST_F(FirmwareDownload, AfterNoADownloadEndsWithThePressUpdateText)
{
    enterUpdate();
    sheet().ui.btnNo->click();
    update().updateUi().btnDownload->click();
    const std::filesystem::path target = folder / "latest.img";
    write_text(target, "an earlier file");
    // The panel asks before it replaces a file; the test names a new one beside it.
    accept(panel("savePanel"), folder / "new.img");
    downloadEnds(update());
    EXPECT_EQ(read_text(folder / "new.img"), latest);
    EXPECT_EQ(statusLine(), UpdateTexts::tavk_string_press_update_button_in(0));
    EXPECT_EQ(update().updateUi().tfFirmwareFile->text().toStdString(), (folder / "new.img").string());
    EXPECT_TRUE(update().updateUi().btnUpdate->isEnabled());
    EXPECT_TRUE(log.taken().empty());
    EXPECT_FALSE(app().onProcessing());

    // Update now starts the run with that file and the chosen language.
    update().updateUi().btnUpdate->click();
    run_events_until([&] { return !update().runActive(); });
    ASSERT_EQ(log.taken().size(), 1u);
    EXPECT_EQ(log.taken()[0].file, (folder / "new.img").string());
}

TEST_F(FirmwareDownload, RestoreDownloadsTheRestoreImageThenRestores)
{
    enterRestore();
    write_text(restoreImage(), "an earlier restore image");
    restore().restoreUi().btnRestore->click();
    EXPECT_EQ(restore().state(), kStateDownloadingBackup);
    EXPECT_TRUE(app().onProcessing());
    EXPECT_EQ(statusLine(),
              AppText::tavk_status_processing_usb_in(kModeRestore, 0x3142, 0) + " " +
                  UpdateTexts::tavk_string_about_to_download_backup_firmware_in(0));
    EXPECT_EQ(read_text(restoreImage()), "an earlier restore image") << "replaced only at the end";
    downloadEnds(restore());

    EXPECT_EQ(read_text(restoreImage()), backup);
    const std::vector<AskedRun> runs = log.taken();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].file, restoreImage().string());
    EXPECT_EQ(runs[0].mode, kModeRestore);
    EXPECT_EQ(restore().firmwareFile(), restoreImage().string());
    EXPECT_TRUE(restore().restorePossible());
    EXPECT_EQ(server.requestCount(kBackupImage), 1);
}

TEST_F(FirmwareDownload, FailuresOnTheRestorePage)
{
    struct Case {
        const char* what;
        std::string revisions;
        std::function<void()> arrange;
        const char* format;
        std::string reason;
    };
    const std::string reason_get = UpdateTexts::tavk_string_cannot_get_backup_firmware_in(0);
    const std::string reason_download = UpdateTexts::tavk_string_cannot_download_backup_firmware_in(0);
    const std::string listed = "VARGO_Zeltra:v2.1:VARGO_Zeltra_v2.1.img\r\n";
    std::optional<FileSizeLimit> limit;
    const Case cases[] = {
        {"a folder where the restore image goes", listed,
         [&] {
             std::filesystem::remove(restoreImage());
             std::filesystem::create_directory(restoreImage());
         },
         "%@. %@", reason_get},
        {"a refused file name", "VARGO_Zeltra:v2.1:../VARGO_Zeltra_v2.1.img\r\n", [] {}, "%@. %@", reason_download},
        {"closed part-way", listed,
         [&] { server.serve(kBackupImage, Reply{.body = backup, .chunkSize = 4096, .cutAfter = 50000}); }, "%@. %@",
         reason_download},
        {"not found", listed,
         [&] {
             server.serve(kBackupImage, Reply{404, "no such image"});
         },
         "%@. %@", reason_download},
        {"an empty body", listed,
         [&] {
             server.serve(kBackupImage, Reply{200, ""});
         },
         "%@. %@", reason_download},
        {"a page, not firmware", listed,
         [&] {
             server.serve(kBackupImage, Reply{200, kPage});
         },
         "%@. %@", reason_download},
        {"half the image, announced whole", listed, [&] { server.serve(kBackupImage, first_half_of(backup)); },
         "%@. %@", reason_download},
        {"the disk refuses the data", listed, [&] { limit.emplace(backup.size() / 2); }, "%@. %@", reason_get},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        enterRestore(c.revisions);
        ASSERT_TRUE(restore().restorePossible());
        write_text(restoreImage(), "an earlier restore image");
        c.arrange();
        const int requests = server.requestCount(kBackupImage);
        restore().restoreUi().btnRestore->click();
        downloadEnds(restore());
        limit.reset();

        EXPECT_EQ(statusLine(),
                  status_of(AppText::tavk_status_failure_usb_in(kModeRestore, 0x3142, 0), c.reason, c.format));
        EXPECT_TRUE(app().statusWithWarning());
        EXPECT_EQ(restore().state(), kStateIdle);
        EXPECT_FALSE(app().onProcessing());
        EXPECT_FALSE(restore().restorePossible());
        EXPECT_FALSE(restore().restoreUi().btnRestore->isEnabled());
        EXPECT_TRUE(log.taken().empty()) << "nothing restored";
        if (!std::filesystem::is_directory(restoreImage())) {
            EXPECT_EQ(read_text(restoreImage()), "an earlier restore image");
        }
        EXPECT_EQ(leftovers(archiveFolder(), {"VARGO_Zeltra.img", "VARGO_Zeltra.tavkarch"}),
                  std::vector<std::string>{});
        if (std::string(c.what) == "a refused file name") {
            EXPECT_EQ(server.requestCount(kBackupImage), requests) << "no request";
        }
        std::filesystem::remove_all(archiveFolder());
        server.serve(kBackupImage, Reply{.body = backup});
    }
}

TEST_F(FirmwareDownload, FailuresOnTheUpdatePage)
{
    struct Case {
        const char* what;
        std::string index;
        Reply image;
        std::string reason;
        bool declines;
        std::string target = "latest.img";
        bool diskRefuses = false;
    };
    const std::string listed = "VARGO_Zeltra:v2.2:fw/VARGO_Zeltra_v2.2.img\r\n";
    const Case cases[] = {
        {"a folder that is not there", listed, Reply{.body = "x"}, UpdateTexts::tavk_string_cannot_create_file_in(0),
         true, "missing/latest.img"},
        {"a refused file name", "VARGO_Zeltra:v2.2:fw/./VARGO_Zeltra_v2.2.img\r\n", Reply{.body = "x"},
         UpdateTexts::tavk_string_cannot_download_firmware_in(0), true},
        {"closed part-way", listed, Reply{.body = image(100000, 3), .cutAfter = 30000},
         UpdateTexts::tavk_string_cannot_download_firmware_in(0), false},
        {"server error", listed, Reply{500, "oops"}, UpdateTexts::tavk_string_cannot_download_firmware_in(0), false},
        {"an empty body", listed, Reply{200, ""}, UpdateTexts::tavk_string_cannot_download_firmware_in(0), false},
        {"a body announced past the largest download, then silent", listed,
         Reply{.body = "x", .cutAfter = 1, .stallAfterCut = true, .announcedLength = kivo::kLargestDownload + 1},
         UpdateTexts::tavk_string_cannot_download_firmware_in(0), false},
        {"a page, not firmware", listed, Reply{200, kPage}, UpdateTexts::tavk_string_cannot_download_firmware_in(0),
         false},
        {"half the image, announced whole", listed, first_half_of(latest),
         UpdateTexts::tavk_string_cannot_download_firmware_in(0), false},
        {"the disk refuses the data", listed, Reply{.body = latest}, UpdateTexts::tavk_string_cannot_create_file_in(0),
         false, "latest.img", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve(kImage, c.image);
        enterUpdate(c.index);
        sheet().ui.btnYes->click();
        const std::filesystem::path target = folder / c.target;
        const bool earlier = std::filesystem::is_directory(target.parent_path());
        if (earlier)
            write_text(target, "the user's earlier image");
        const int requests = server.requestCount(kImage);
        std::optional<FileSizeLimit> limit;
        if (c.diskRefuses)
            limit.emplace(latest.size() / 2);
        accept(panel("savePanel"), target);
        downloadEnds(update());
        limit.reset();
        EXPECT_EQ(statusLine(), status_of(UpdateTexts::tavk_string_failed_to_download_latest_firmware_in(0), c.reason));
        if (c.declines) {
            EXPECT_EQ(server.requestCount(kImage), requests) << "no request";
        }
        EXPECT_TRUE(app().statusWithWarning());
        EXPECT_EQ(update().state(), kStateIdle);
        EXPECT_FALSE(app().onProcessing());
        EXPECT_EQ(update().newUpdateFound(), !c.declines) << "a failure at the start declines the offer";
        if (earlier) {
            EXPECT_EQ(read_text(target), "the user's earlier image");
        }
        EXPECT_EQ(leftovers(folder, {"latest.img"}), std::vector<std::string>{});
        EXPECT_TRUE(update().updateUi().tfFirmwareFile->text().isEmpty());
        EXPECT_TRUE(log.taken().empty());
        std::filesystem::remove(target);
    }
    EXPECT_EQ(server.requestCount("/kivobluetoothmanager/fw/./VARGO_Zeltra_v2.2.img"), 0);
}

TEST_F(FirmwareDownload, EachButtonOnTheOtherPageSwitchesPagesOnly)
{
    enterUpdate();
    sheet().ui.btnNo->click();
    update().updateUi().btnRestore->click();
    EXPECT_EQ(app().mode(), kModeRestore);
    run_events_until([&] { return !restore().readActive(); });
    restore().restoreUi().btnUpdate->click();
    EXPECT_EQ(app().mode(), kModeUpdate);
    run_events_until([&] { return !update().readActive(); });
    EXPECT_TRUE(log.taken().empty());
    EXPECT_EQ(server.requestCount(kImage), 0);
    EXPECT_EQ(server.requestCount(kBackupImage), 0);
}

TEST_F(FirmwareDownload, ARunToRecoverStartsAtOnceWithTheRememberedFile)
{
    const std::string languages =
        "VARGO_Zeltra:v2.2:English:fw/VARGO_Zeltra_v2.2.img\r\nVARGO_Zeltra:v2.2:French:fw/fr.img\r\n";
    struct Case {
        int index;
        int selected;
    };
    for (const Case c : {Case{1, 1}, Case{-1, 0}, Case{5, 0}}) {
        SCOPED_TRACE(c.index);
        app().setStrLanguageFirmware("English");
        app().setStrRestartDFUFirmwareFile("/tmp/recover.img");
        app().setIndexRestartDFUFirmwareLanguage(c.index);
        enterUpdate(languages);
        run_events_until([&] { return !update().runActive(); });
        EXPECT_FALSE(sheet().isVisible());
        EXPECT_FALSE(update().newUpdateFound());
        EXPECT_EQ(update().updateUi().popUpLanguageFirmware->currentIndex(), c.selected)
            << "an index outside the items selects nothing";
        ASSERT_EQ(log.taken().size(), 1u);
        EXPECT_EQ(log.taken().back().file, "/tmp/recover.img");
        EXPECT_EQ(log.taken().back().mode, kModeUpdate);
        EXPECT_FALSE(app().session().isRestartDFU()) << "the run's end forgets it";
        log.runs.clear();
    }

    app().setStrRestartDFUFirmwareFile("/tmp/recover.img");
    app().setIndexRestartDFUFirmwareLanguage(-1);
    enterRestore();
    run_events_until([&] { return !restore().runActive(); });
    ASSERT_EQ(log.taken().size(), 1u);
    EXPECT_EQ(log.taken().back().file, "/tmp/recover.img");
    EXPECT_EQ(log.taken().back().mode, kModeRestore);
    EXPECT_EQ(server.requestCount(kImage), 0) << "nothing downloaded";
    EXPECT_EQ(server.requestCount(kBackupImage), 0);
}
