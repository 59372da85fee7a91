#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "ftp/FtpConnectDialog.h"
#include "ftp/RemoteBrowser.h"
#include "ftp/RemoteFileDialog.h"
#include "ftp/RemoteFolderDialog.h"

namespace htmlsim::gui {
namespace {

QStringList ListedNames(const RemoteBrowser& browser) {
    QStringList names;
    for (int row = 0; row < browser.List()->count(); ++row) {
        names << browser.List()->item(row)->text();
    }
    return names;
}

TEST(FtpConnectDialog, StartsPassiveWithoutTlsAndNeedsAHost) {
    FtpConnectDialog dialog(FtpConnectionDetails{});
    EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());

    QTest::keyClicks(dialog.HostEdit(), " ftp.example.org ");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClicks(dialog.UserEdit(), "ann");
    QTest::keyClicks(dialog.PasswordEdit(), "p w");
    dialog.PortBox()->setValue(2121);
    dialog.TlsBox()->setChecked(true);
    dialog.PassiveBox()->setChecked(false);
    const auto details = dialog.Details();
    EXPECT_EQ(details.host, "ftp.example.org");
    EXPECT_EQ(details.port, 2121);
    EXPECT_EQ(details.password, "p w");
    EXPECT_TRUE(details.useTls);
    EXPECT_FALSE(details.passive);
}

class RemoteChooserTest : public ::testing::Test {
  protected:
    RemoteChooserTest() {
        testing::CollectErrors(client, errors);
        client.PutFile("/www/site/index.html", "");
        client.PutFile("/www/site/Page2.HTM", "");
        client.PutFile("/www/site/back.jpg", "");
        client.PutFile("/www/site/img/a.jpg", "");
        client.PutFile("/www/readme.txt", "");
        client.folders.insert("/www/site/Archive/");
        dialogs.connectionAnswers.push_back(testing::FakeFtpClient::Login());
        client.Connect();
    }

    testing::FakeFtpDialogs dialogs;
    testing::FakeFtpClient client{dialogs};
    std::vector<std::string> errors;
};

TEST_F(RemoteChooserTest, FolderChooserWalksFoldersOnly) {
    RemoteFolderDialog dialog(client, "/www/site/");
    RemoteBrowser& browser = *dialog.Browser();
    EXPECT_EQ(ListedNames(browser), (QStringList{"Archive/", "img/"}));

    emit browser.List()->itemActivated(browser.List()->item(1));
    EXPECT_EQ(dialog.Folder(), "/www/site/img/");
    EXPECT_TRUE(ListedNames(browser).isEmpty());
    browser.UpButton()->click();
    browser.UpButton()->click();
    EXPECT_EQ(dialog.Folder(), "/www/");
    EXPECT_EQ(ListedNames(browser), QStringList{"site/"});

    browser.FolderEdit()->setText("/gone");
    QTest::keyClick(browser.FolderEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.Folder(), "/www/");  // the missing folder was reported, the view stays
    EXPECT_EQ(browser.FolderEdit()->text(), "/www/");
    EXPECT_EQ(errors, std::vector<std::string>{"The remote folder '/gone/' does not exist."});
}

TEST_F(RemoteChooserTest, FileChooserHonoursTheFilterAndOpensFolders) {
    RemoteFileRequest request;
    request.title = "Open FTP File";
    request.filter = "HTML Documents|*.html;*.htm|Images|*.jpg;*.gif|All Files (*.*)|*.*";
    request.folder = "/www/site/";
    RemoteFileDialog dialog(client, request);
    RemoteBrowser& browser = *dialog.Browser();
    EXPECT_EQ(ListedNames(browser), (QStringList{"Archive/", "img/", "index.html", "Page2.HTM"}));
    dialog.FilterBox()->setCurrentIndex(1);
    EXPECT_EQ(ListedNames(browser), (QStringList{"Archive/", "img/", "back.jpg"}));

    // A typed folder name opens the folder instead of choosing it.
    dialog.NameEdit()->setText("img");
    dialog.TryAccept();
    EXPECT_EQ(browser.Folder(), "/www/site/img/");
    EXPECT_TRUE(dialog.NameEdit()->text().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.NameEdit()->setText("missing.jpg");
    dialog.TryAccept();
    EXPECT_EQ(dialog.Note()->text(), "The remote file '/www/site/img/missing.jpg' does not exist.");
    EXPECT_TRUE(dialog.ChosenPath().empty());

    emit browser.List()->itemActivated(browser.List()->item(0));
    EXPECT_EQ(dialog.ChosenPath(), "/www/site/img/a.jpg");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace htmlsim::gui
