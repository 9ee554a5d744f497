#include "sampleboards.h"

#include "document/layoutpaths.h"
#include "document/menudata.h"

namespace zorvan::samples {

namespace {

// Faces from Debian's font packages that are not stand-ins, so the
// containers carry their files the way a save on any machine would.
const QString kTitleFace = QStringLiteral("Caladea");
const QString kBodyFace = QStringLiteral("Open Sans");

enum class Look { Plain, Filled, Picture };

// One menu item on the board.
struct Item {
    int column;
    int row;
    Look look;
    const char *name;
    const char *subItems;
    const char *prices;      // in the price language: "" tabs, ">" calories after, "<" before, "~" outline
    Colour fill = kNoColour; // Filled strips
    const char *picture = nullptr;
    int frame = 0;
    int cropX = 0, cropY = 0, cropOriginX = 0, cropOriginY = 0;
    int brightness = 0;
    bool hiddenOnWhite = false;
};

struct Palette {
    Colour title;
    Colour name;
    Colour subItems;
    Colour prices;
    Colour calories;
};

void SetBlock(TextParams &block, const QString &text, const QString &face, double scale, double xref, double yref,
              Colour colour)
{
    block.Text = text;
    block.Font = face;
    block.ScaleFactor = scale;
    block.Xref = xref;
    block.Yref = yref;
    block.TextColor = colour;
}

QString Lines(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

// The board's title across the whole first row.
void AddTitle(MenuData &doc, const char *title, const char *tagline, const Palette &palette)
{
    StripData &s = doc.strip(0, 0);
    s.XSizeFactor = doc.NumberOfColumns;
    s.YSizeFactor = 0.82;
    SetBlock(s.MainItemTextParams, QString::fromUtf8(title), kTitleFace, 0.46, 0, 0.02, palette.title);
    s.MainItemTextParams.Bold = true;
    s.MainItemTextParams.CenterInStrip = true;
    s.MainItemTextParams.DropShadowColor = kBlack;
    SetBlock(s.SubItemsTextParams, QString::fromUtf8(tagline), kBodyFace, 0.13, 0, 0.52, palette.subItems);
    s.SubItemsTextParams.Italics = true;
    s.SubItemsTextParams.CenterInStrip = true;
}

// textScale shrinks the texts of the tall cells of a portrait board.
void AddItem(MenuData &doc, const Item &item, const QString &workFolder, const Palette &palette, double textScale)
{
    StripData &s = doc.strip(item.column, item.row);
    // Picture strips are the picture's box, with the texts beside it; the
    // other strips are the whole cell with a margin.
    const bool picture = item.look == Look::Picture;
    s.XOffsetFactor = 0.03;
    s.YOffsetFactor = 0.07;
    s.XSizeFactor = picture ? 0.3 : 0.94;
    s.YSizeFactor = 0.86;
    const double textLeft = picture ? 0.34 : 0.04;
    const double pricesRight = 0.9;

    SetBlock(s.MainItemTextParams, Lines(item.name), kBodyFace, 0.25 * textScale, textLeft, 0.04, palette.name);
    s.MainItemTextParams.Bold = true;
    s.MainItemTextParams.DropShadowColor = kBlack;
    SetBlock(s.SubItemsTextParams, Lines(item.subItems), kBodyFace, 0.14 * textScale, textLeft, 0.3, palette.subItems);
    s.SubItemsTextParams.LineSpacingFactor = 0.9;
    // Texts beside a picture keep their colours in the white print format;
    // the shadow keeps them readable on white paper.
    if (picture)
        s.SubItemsTextParams.DropShadowColor = kBlack;
    SetBlock(s.PricesTextParams, Lines(item.prices), kBodyFace, 0.17 * textScale, pricesRight, 0.56, palette.prices);
    s.PricesTextParams.Bold = true;
    s.PricesTextParams.GroupAlignment = AlignRight;
    s.PricesTextParams.DropShadowColor = kBlack;
    s.CaloriesTextColor = palette.calories;
    s.CaloriesItalics = true;
    // Calories need room beside their prices; "540 Cal" is about seven digits wide.
    const QString prices = QString::fromUtf8(item.prices);
    if (prices.contains(QLatin1Char('>')) || prices.contains(QLatin1Char('<'))) {
        s.PriceTabSpacingFactor = 13.0;
        s.CaloriesSpacingFactor = 7.6;
    }

    if (item.look == Look::Filled)
        s.BackGroundColor = item.fill;
    if (picture) {
        s.SubImageFileName = JoinPath(workFolder, QString::fromUtf8(item.picture));
        s.SubImageFrameIndex = item.frame;
        s.SubImageCropPercentageX = item.cropX;
        s.SubImageCropPercentageY = item.cropY;
        s.SubImageCropOriginPercentageX = item.cropOriginX;
        s.SubImageCropOriginPercentageY = item.cropOriginY;
        s.SubImageBrightnessFactor = item.brightness;
        s.ImageHiddenOnWhite = item.hiddenOnWhite;
    }
}

const Palette kBistroPalette{MakeColour(240, 200, 110), kWhite, MakeColour(236, 220, 200), MakeColour(255, 226, 140),
                             MakeColour(200, 200, 200)};
const Palette kGardenPalette{MakeColour(150, 240, 200), kWhite, MakeColour(210, 236, 226), MakeColour(255, 236, 150),
                             MakeColour(190, 214, 206)};

const Colour kWine = MakeColour(120, 26, 32);
const Colour kOlive = MakeColour(70, 84, 30);
const Colour kSlate = MakeColour(40, 50, 64);
const Colour kTeal = MakeColour(14, 84, 86);
const Colour kPlum = MakeColour(82, 36, 74);

const Item kLandscapeItems[] = {
    {0, 1, Look::Picture, "Classic Burger", "beef, cheddar, lettuce,\npickles, house sauce",
     "Single^Double\n6.49>540 Cal^8.99>820 Cal", kNoColour, "Burger.jpg", 5, 84, 84, 8, 10, 12, true},
    {0, 2, Look::Filled, "Smoky BBQ Burger", "bacon, crispy onions, BBQ sauce", "7.49>690 Cal^9.99>960 Cal", kWine},
    {0, 3, Look::Filled, "Mushroom Swiss", "sautéed mushrooms, Swiss cheese", "7.29>640 Cal^9.79>910 Cal", kWine},
    {0, 4, Look::Picture, "Harvest Salad", "mixed greens, tomato,\ncroutons, vinaigrette", "5.99>310 Cal",
     kNoColour, "Salad.jpg", 7, 0, 0, 0, 0, 0, true},
    {0, 5, Look::Plain, "Add Cheese or Bacon", "to any burger", "1.00>120 Cal"},
    {1, 1, Look::Picture, "Fries", "sea salt, skin on",
     "Small^Medium^Large\n2.49^2.99^3.49", kNoColour, "Fries.jpg", 2, 0, 0, 0, 0, 40, true},
    {1, 2, Look::Filled, "Onion Rings", "beer battered, chipotle dip", "3.29>410 Cal^4.29>620 Cal", kOlive},
    {1, 3, Look::Filled, "Mozzarella Sticks", "six pieces, marinara", "4.49>520 Cal", kOlive},
    {1, 4, Look::Picture, "Soft Drinks", "cola, lemon-lime, root beer",
     "Small^Medium^Large\n1.79^2.19^2.59", kNoColour, "Drink.jpg", 4, 90, 90, 5, 5, -30, true},
    {1, 5, Look::Plain, "Free Refills", "on all fountain drinks", "~ALL DAY~"},
    {2, 1, Look::Picture, "Coffee & Tea", "fresh brewed, decaf\non request",
     "Regular^Large\n1.99>5 Cal^2.49>10 Cal", kNoColour, "Coffee.jpg", 6},
    {2, 2, Look::Filled, "Milkshakes", "vanilla, chocolate, strawberry", "3.99>560 Cal^4.99>740 Cal", kSlate},
    {2, 3, Look::Filled, "Apple Pie", "warm, with cinnamon", "280 Cal<1.99", kSlate},
    {2, 4, Look::Picture, "Sundae Cone", "soft serve, chocolate dip", "2.49>340 Cal", kNoColour, "IceCream.jpg", 9,
     70, 92, 15, 4, 20, true},
    {2, 5, Look::Plain, "Kids Meal", "burger, small fries, drink", "~4.99~"},
};

const Item kPortraitItems[] = {
    {0, 1, Look::Picture, "Latte", "double shot,\nsteamed milk", "Tall^Grande\n3.49^3.99",
     kNoColour, "Coffee.jpg", 5, 80, 80, 10, 10, 10},
    {0, 2, Look::Filled, "Cappuccino", "airy foam, cocoa dust", "3.29>130 Cal^3.79>170 Cal", kTeal},
    {0, 3, Look::Filled, "Flat White", "ristretto, velvet milk", "3.59>170 Cal", kTeal},
    {0, 4, Look::Filled, "Chai Latte", "black tea, spices, honey", "3.49>240 Cal^3.99>310 Cal", kTeal},
    {0, 5, Look::Picture, "Iced Cola", "over crushed ice", "Small^Large\n1.79^2.39", kNoColour, "Drink.jpg", 2,
     0, 0, 0, 0, -20},
    {0, 6, Look::Plain, "Oat or Almond Milk", "in any drink", "0.60>60 Cal"},
    {1, 1, Look::Picture, "Daily Cone", "ask for today's flavour", "2.49>340 Cal", kNoColour, "IceCream.jpg",
     7, 0, 0, 0, 0, 0, true},
    {1, 2, Look::Filled, "Blueberry Muffin", "baked this morning", "2.29>420 Cal", kPlum},
    {1, 3, Look::Filled, "Croissant", "butter or almond", "Butter^Almond\n2.19^2.79", kPlum},
    {1, 4, Look::Picture, "Garden Salad", "greens, tomato,\nhouse dressing", "5.49>290 Cal", kNoColour,
     "Salad.jpg", 4, 86, 86, 7, 7, 30},
    {1, 5, Look::Filled, "Soup of the Day", "with fresh bread", "Cup^Bowl\n3.49>180 Cal^4.99>270 Cal", kPlum},
    {1, 6, Look::Plain, "Breakfast Deal", "any coffee + muffin", "~4.49~"},
};

} // namespace

SampleBoard LandscapeBoard()
{
    return SampleBoard{QStringLiteral("ZorvanBistro"), QSize(1920, 1080), BoardTheme::Bistro,
                       {{QStringLiteral("Burger.jpg"), Dish::Burger},
                        {QStringLiteral("Salad.jpg"), Dish::Salad},
                        {QStringLiteral("Fries.jpg"), Dish::Fries},
                        {QStringLiteral("Drink.jpg"), Dish::Drink},
                        {QStringLiteral("Coffee.jpg"), Dish::Coffee},
                        {QStringLiteral("IceCream.jpg"), Dish::IceCream}}};
}

SampleBoard PortraitBoard()
{
    return SampleBoard{QStringLiteral("ZorvanCoffeeBar"), QSize(1080, 1920), BoardTheme::Garden,
                       {{QStringLiteral("Coffee.jpg"), Dish::Coffee},
                        {QStringLiteral("Drink.jpg"), Dish::Drink},
                        {QStringLiteral("IceCream.jpg"), Dish::IceCream},
                        {QStringLiteral("Salad.jpg"), Dish::Salad}}};
}

void BuildLayout(const SampleBoard &board, const QString &workFolder, MenuData &doc)
{
    const bool landscape = board.backgroundSize.width() > board.backgroundSize.height();
    const Palette &palette = landscape ? kBistroPalette : kGardenPalette;
    doc.ResetAllStrips(palette.name);
    doc.ResetStyleTemplate();
    doc.NumberOfColumns = landscape ? 3 : 2;
    doc.NumberOfRows = landscape ? 6 : 7;
    doc.BackgroundPath = JoinPath(workFolder, QLatin1String(kBackgroundMember));
    doc.WhitePrintBackground = false;
    if (landscape) {
        AddTitle(doc, "ZORVAN BISTRO", "burgers · sides · drinks — made fresh every day", palette);
        for (const Item &item : kLandscapeItems)
            AddItem(doc, item, workFolder, palette, landscape ? 1.0 : 0.72);
    } else {
        AddTitle(doc, "COFFEE BAR", "roasted in town · baked every morning", palette);
        for (const Item &item : kPortraitItems)
            AddItem(doc, item, workFolder, palette, landscape ? 1.0 : 0.72);
    }
    doc.Modified = false;
}

} // namespace zorvan::samples
