// A dialog template drawn at two font sizes, compared with reference pictures: labels aligned,
// nothing clipped, at the screen's usual resolution and at twice it.
#include "platform/ui/dialogs/Dialog.h"
#include "resources/Resources.h"
#include "tests/support/PictureCompare.h"

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const std::string kPictures = std::string(ZOD_FIXTURES) + "/pictures/";

QImage Render(UINT id, int points)
{
    resources::RegisterAll();
    CDialog dialog(id);
    dialog.SetTemplateFont({"MS Sans Serif", points, 96});
    if (!dialog.CreateModeless())
        return {};
    // Filled as a user sees it, so that clipped text would show.
    dialog.GetDlgItem(1044)->SetWindowText(
        "You must enter a Bidder ID to associate with this Agency.  Bidder IDs are sometimes "
        "referred to as Vendor IDs.  Bidder IDs maybe modified later from the Tools->Options "
        "menu choice.");
    dialog.GetDlgItem(1043)->SetWindowText("TXDOT");
    dialog.GetDlgItem(1042)->SetWindowText("V0042917");
    dialog.GetDlgItem(300)->SetWindowText("Ace Paving & Grading, Inc.");
    dialog.GetDlgItem(309)->SetWindowText("bids@acepaving.example");
    QImage image = dialog.ModalWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    dialog.DestroyModalWindow();
    return image;
}

class DialogPicture : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(DialogPicture, TheBidderIdDialogLooksAsItsReference)
{
    const int points = GetParam();
    const QImage image = Render(138, points);
    ASSERT_FALSE(image.isNull());
    const QString name = QString("bidder-id-%1pt.png").arg(points);
    // ZOD_WRITE_PICTURES=<folder> keeps the pictures drawn, to look at or to take as references.
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        image.save(QDir(folder).filePath(name));
    EXPECT_TRUE(LooksLike(image, QImage(QString::fromStdString(kPictures) + name)));
}

INSTANTIATE_TEST_SUITE_P(FontSizes, DialogPicture, ::testing::Values(8, 16));
