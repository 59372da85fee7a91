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
#include "ScopedHome.h"
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

TEST(FtpConnectDialog, OffersSftpFirstPortsFollowTheProtocolAndPlainFtpIsWarnedOf) {
    FtpConnectDialog dialog(FtpConnectionDetails{}, "No secret service here.");
    EXPECT_EQ(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.Details().protocol, RemoteProtocol::Sftp);
    EXPECT_EQ(dialog.PortBox()->value(), 22);
    EXPECT_TRUE(dialog.PlainWarning()->isHidden());
    EXPECT_FALSE(dialog.PassiveBox()->isEnabled());
    EXPECT_FALSE(dialog.RememberBox()->isEnabled());
    EXPECT_EQ(dialog.RememberBox()->toolTip(), "No secret service here.");

    QTest::keyClicks(dialog.HostEdit(), " ftp.example.org ");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClicks(dialog.UserEdit(), "ann");
    QTest::keyClicks(dialog.PasswordEdit(), "p w");
    dialog.ProtocolBox()->setCurrentIndex(2);  // implicit TLS
    EXPECT_EQ(dialog.PortBox()->value(), 990);
    dialog.ProtocolBox()->setCurrentIndex(1);  // explicit TLS
    EXPECT_EQ(dialog.PortBox()->value(), 21);
    dialog.PortBox()->setValue(2121);
    dialog.ProtocolBox()->setCurrentIndex(3);  // a chosen port stays
    EXPECT_EQ(dialog.PortBox()->value(), 2121);
    EXPECT_FALSE(dialog.PlainWarning()->isHidden());
    dialog.ProtocolBox()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.PlainWarning()->isHidden());
    dialog.PassiveBox()->setChecked(false);
    auto details = dialog.Details();
    EXPECT_EQ(details.protocol, RemoteProtocol::FtpExplicitTls);
    EXPECT_EQ(details.host, "ftp.example.org");
    EXPECT_EQ(details.port, 2121);
    EXPECT_EQ(details.password, "p w");
    EXPECT_FALSE(details.passive);
    EXPECT_FALSE(details.remember);

    // SFTP with a key file: no password travels, the key file is named.
    dialog.ProtocolBox()->setCurrentIndex(0);
    dialog.LoginBox()->setCurrentIndex(2);
    EXPECT_FALSE(dialog.PasswordEdit()->isEnabled());
    EXPECT_TRUE(dialog.KeyFileBox()->isEnabled());
    dialog.KeyFileBox()->setCurrentText("/keys/id_ed25519");
    details = dialog.Details();
    EXPECT_EQ(details.sshLogin, SshLogin::KeyFile);
    EXPECT_EQ(details.keyFile, "/keys/id_ed25519");
    EXPECT_TRUE(details.password.empty());
}

TEST(FtpConnectDialog, RemembersOnlyWithASecretService) {
    testing::ScopedHome home;
    FtpConnectionDetails proposed;
    proposed.host = "sftp.example.org";
    proposed.remember = true;
    FtpConnectDialog dialog(proposed, "");
    EXPECT_TRUE(dialog.RememberBox()->isEnabled());
    EXPECT_TRUE(dialog.RememberBox()->isChecked());
    EXPECT_TRUE(dialog.Details().remember);
    EXPECT_FALSE(dialog.ForgetButton()->isEnabled());  // nothing trusted for it yet
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
