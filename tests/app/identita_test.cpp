// The game's desktop identity: its windows carry the game's icon and name the desktop
// entry that the install puts in share/applications, so that task bars and docks show
// them under the menu entry rather than as an unknown program.
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

class Identita : public ::testing::Test {
protected:
    void SetUp() override { spust_tarvanu(); }
    void TearDown() override { zrus_okna(); }
};

// The text of the metainfo's first element of this name (and type, if given).
QString prvek_metainfa(const QString& jmeno, const QString& typ = {})
{
    QFile soubor(QStringLiteral(TARVANA_METAINFO_FILE));
    if (!soubor.open(QIODevice::ReadOnly))
        return QStringLiteral("(no metainfo)");
    QXmlStreamReader xml(&soubor);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == jmeno &&
            (typ.isEmpty() || xml.attributes().value(QStringLiteral("type")) == typ))
            return xml.readElementText().trimmed();
    }
    return {};
}

} // namespace

TEST_F(Identita, TheWindowsCarryTheGamesIconInBothSizes)
{
    const QIcon ikona = QApplication::windowIcon();
    EXPECT_FALSE(ikona.isNull());
    // A file name alone makes an icon that is not null; its sizes show that the pictures
    // really are inside the program.
    const QList<QSize> velikosti = ikona.availableSizes();
    EXPECT_TRUE(velikosti.contains(QSize(64, 64)));
    EXPECT_TRUE(velikosti.contains(QSize(256, 256)));
    // The very picture of data/ (the working directory is the build's), not a stand-in.
    const QImage nase(QStringLiteral("data/tarvana.png"));
    ASSERT_FALSE(nase.isNull());
    EXPECT_TRUE(ikona.pixmap(QSize(64, 64)).toImage().convertToFormat(nase.format()) == nase)
        << "the 64-pixel icon is not data/tarvana.png";
}

TEST_F(Identita, TheDesktopFileNameIsTheInstalledEntry)
{
    const QString jmeno = QGuiApplication::desktopFileName();
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral(TARVANA_DESKTOP_FILE)));
    EXPECT_EQ(jmeno + QStringLiteral(".desktop"),
              QFileInfo(QStringLiteral(TARVANA_DESKTOP_FILE)).fileName());
    // Software centres find the entry through the metainfo: the same name in both.
    EXPECT_EQ(prvek_metainfa(QStringLiteral("id")), jmeno);
    EXPECT_EQ(prvek_metainfa(QStringLiteral("launchable"), QStringLiteral("desktop-id")),
              jmeno + QStringLiteral(".desktop"));
}
