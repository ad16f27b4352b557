#pragma once
// The restore page offscreen in the whole application, for the tests of its layout and its backup
// summary: backups written into the archive folder as a manager leaves them, with their versions on
// a local firmware server's revisions list, and the restore page of a connected, recognized product.

#include <QLabel>

#include <atomic>
#include <fstream>

#include "device/backup_archive.h"
#include "tests/app/app_fixture.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/update_page.h"

// 2024-03-05 14:07:09 UTC.
inline constexpr std::chrono::sys_seconds kArchived{std::chrono::seconds{1709647629}};

inline KIVOBluetoothDeviceData backup_at(int product, int major, int minor, int secondary_type = 0, int secondary = 0)
{
    KIVOBluetoothDeviceData record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor(major);
    record.setDeviceVersionMinor(minor);
    record.setDeviceSecondaryVersionType(secondary_type);
    record.setDeviceSecondaryVersion(secondary);
    record.setManagerVersionMajor(3);
    record.setManagerVersionMinor(4);
    record.setDateArchived(kArchived);
    return record;
}

// The page with a worker that starts a restore's transfer and holds it there until released.
class HeldRunPage : public UpdateViewController {
public:
    using UpdateViewController::UpdateViewController;
    std::atomic<bool> released{false};

protected:
    void runUpdate(kivo::UpdateInputs, kivo::UpdateShared& shared, kivo::UpdateHost&) override
    {
        shared.setAddUpdateProcessed(4);
        released.wait(false);
        shared.setUpdateFinished(true);
    }
};

class RestoreLayout : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = placeholder_page_factory();
        factory.update = [](kivo::PageHost& host, int mode) { return std::make_unique<HeldRunPage>(host, mode); };
        return factory;
    }

    // The server lists every version a test backs up.
    std::string serverBase() override { return server.base(); }

    std::filesystem::path backupFile(int product) { return kivo::backup_archive_file(archiveFolder(), product); }

    void writeBackup(int product, const KIVOBluetoothDeviceData& record)
    {
        std::filesystem::create_directories(archiveFolder());
        ASSERT_TRUE(kivo::write_backup_archive(record, backupFile(product)));
        const std::string name = kivo::ProductNames::tavk_product_name_for_internal(product, true);
        revisions += kivo::fill_format("%@:v%d.%d:%@.img\r\n",
                                       {name, record.deviceVersionMajor(), record.deviceVersionMinor(), name});
        server.serve("/kivobluetoothmanager/Revisions", {200, revisions});
    }

    void writeBytes(int product, const std::string& bytes)
    {
        std::filesystem::create_directories(archiveFolder());
        std::ofstream(backupFile(product), std::ios::binary) << bytes;
    }

    // The restore page of a connected, recognized product.
    void enter(int product)
    {
        recognize(product, 2, 1);
        app().setUsbStatus(product);
        app().setFirmwareRestoreWithStatus(true);
        ASSERT_EQ(app().mode(), kModeRestore);
        run_events_until([&] { return !page().readActive(); });
    }

    void languages(int count)
    {
        ui().popUpLanguageFirmware->clear();
        const char* names[] = {"English", "French", "German"};
        for (int i = 0; i < count; ++i)
            ui().popUpLanguageFirmware->addItem(names[i]);
        page().setControls();
    }

    HeldRunPage& page() { return *static_cast<HeldRunPage*>(app().restoreViewController()); }
    testnet::LocalHttpServer server;
    std::string revisions;
    Ui::RestoreView& ui() { return page().restoreUi(); }
    bool shown(const QWidget* control) { return control->isVisibleTo(ui().frameArea); }
    std::string text(const QLabel* label) { return label->text().toStdString(); }
    std::string text(const QAbstractButton* button) { return button->text().toStdString(); }
    std::string noBackupStatus(int language = 0)
    {
        return kivo::fill_format("%@. %@",
                                 {kivo::AppText::tavk_status_failure_usb_in(kModeRestore, 0, language),
                                  kivo::UpdateTexts::tavk_string_no_backup_firmware_in(language)});
    }
};
