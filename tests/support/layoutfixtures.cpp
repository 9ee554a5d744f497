#include "layoutfixtures.h"

#include <QFile>

namespace zorvan::test {

std::unique_ptr<MenuData> SampleLayout()
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 3;
    doc->NumberOfRows = 4;
    doc->WhitePrintBackground = true;

    StripData &full = doc->strip(1, 2);
    full.BackGroundColor = MakeColour(200, 100, 50);
    full.CaloriesTextColor = MakeColour(1, 2, 3);
    full.CaloriesItalics = true;
    full.PriceTabSpacingFactor = 9.25;
    full.CaloriesSpacingFactor = 4.5;
    full.SubImageFileName = QStringLiteral("/work/QRT1/Caf\u00e9 & <Bar>.jpg");
    full.SubImageFrameIndex = 3;
    full.ImageHiddenOnWhite = true;
    full.SubImageCropPercentageX = 80;
    full.SubImageCropPercentageY = 65;
    full.SubImageCropOriginPercentageX = 10;
    full.SubImageCropOriginPercentageY = 20;
    full.SubImageBrightnessFactor = -15;
    full.XOffsetFactor = -0.125;
    full.YOffsetFactor = 0.5;
    full.XSizeFactor = 1.75;
    full.YSizeFactor = 0.9;
    TextParams &main = full.MainItemTextParams;
    main.Text = QStringLiteral("Fish & \"Chips\" <large>\r\nCr\u00e8me br\u00fbl\u00e9e \u4e2d\u6587 \U0001F354 <b>");
    main.TextColor = MakeColour(255, 0, 0);
    main.DropShadowColor = MakeColour(0, 0, 0);
    main.Font = QStringLiteral("Segoe UI Black");
    main.Xref = 0.05;
    main.Yref = 0.1;
    main.ScaleFactor = 1.2;
    main.LineSpacingFactor = 0.85;
    main.Bold = true;
    main.CenterInStrip = true;
    main.GroupAlignment = AlignCenter;
    TextParams &sub = full.SubItemsTextParams;
    sub.Text = QStringLiteral("with 'salad' > soup\r\n\r\nor rice");
    sub.Italics = true;
    sub.DropShadowColor = kNoColour;
    sub.Font = QStringLiteral("Times New Roman");
    TextParams &prices = full.PricesTextParams;
    prices.Text = QStringLiteral("4.99^ 350 Cal\r\n6.49^ \r\n^ ^ 7.00");
    prices.TextColor = MakeColour(255, 255, 0);
    prices.GroupAlignment = AlignRight;
    prices.Xref = 0.96;

    StripData &picture = doc->strip(0, 0);
    picture.SubImageFileName = QStringLiteral("C:\\Menus\\Burger.png");
    picture.SubImageCropPercentageX = 100;
    picture.SubImageCropPercentageY = 100;

    StripData &fill = doc->strip(2, 3);
    fill.BackGroundColor = kBlack;
    fill.SubImageCropPercentageX = 100;
    fill.SubImageCropPercentageY = 100;

    StripData &frame = doc->strip(0, 3);
    frame.SubImageFrameIndex = 9;
    frame.SubImageCropPercentageX = 100;
    frame.SubImageCropPercentageY = 100;
    return doc;
}

QString LayoutTextWithStrip(const QString &stripContent, int columns, int rows)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData>"
                                  "<MenuGeneralData><BackgroundFileName>Background.jpg</BackgroundFileName>"
                                  "<NumberOfColumns>%1</NumberOfColumns><NumberOfRows>%2</NumberOfRows>"
                                  "</MenuGeneralData><StripsData><Strip0-0>")
                       .arg(columns)
                       .arg(rows);
    text += stripContent;
    text += QStringLiteral("</Strip0-0></StripsData></MenuData>");
    return text;
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace zorvan::test
