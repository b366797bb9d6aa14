#include "app/Texts.h"

#include <algorithm>
#include <array>

namespace {

struct Entry {
    int number;
    const char* text;
};

// One entry a line, sorted by number. Blank runs, leading and trailing blanks are part of the
// texts: callers glue texts together with them.
constexpr std::array entries{
    Entry{101, "Design"},
    Entry{102, "What would you like to do?"},
    Entry{104, "Edit Picture..."},
    Entry{105, "Add/Edit Text..."},
    Entry{106, "Add More Clip Art..."},
    Entry{107, "Change Frame..."},
    Entry{108, "Add/Change Picture..."},
    Entry{109, "Add Frame Style Clip Art"},
    Entry{111, "Brightness"},
    Entry{112, "Contrast"},
    Entry{113, "Zoom"},
    Entry{114, "Rotate"},
    Entry{120, "You have not saved your work."},
    Entry{121, "Do you want to save it now?"},
    Entry{122, "Return to Main Menu"},
    Entry{123, "There is nothing to undo!"},
    Entry{125, "The card that you selected does not contain a picture hole.  If you would like to "
               "insert a picture, please select a different card by clicking \"Change Frame.\""},
    Entry{126, "You have not yet inserted a picture"},
    Entry{127, "into this card."},
    Entry{128, "Do you want to insert one now?"},
    Entry{135, "Loading Clip Art"},
    Entry{136, "Are you sure you want to quit the application?"},
    Entry{137, "Exit"},
    Entry{138, "Add more clip art"},
    Entry{139, "Edit picture"},
    Entry{140, "Add Picture..."},
    Entry{141, "Replace Picture..."},
    Entry{142, "Delete clip art or text"},
    Entry{143, "Undo last action"},
    Entry{146, "Add picture"},
    Entry{147, "Replace picture"},
    Entry{148, "Add text"},
    Entry{149, "Edit Text"},
    Entry{150, "This will undo all your picture edits."},
    Entry{151, "Is that what you want to do?"},
    Entry{152, "Preparing picture"},
    Entry{153, "Preparing display"},
    Entry{154, "Help"},
    Entry{155, "Exit"},
    Entry{158, "The image file you selected"},
    Entry{160, "is not in a supported format."},
    Entry{200, "Frames"},
    Entry{201, "Please select a frame style from the list then select a card from the main area"},
    Entry{202, "You have inserted a photo in the current card"},
    Entry{203, "and have now selected a frame without a photo."},
    Entry{204, "The photo will have to be removed."},
    Entry{211, "You have placed clip art or text on the current card"},
    Entry{212, "and have now selected a frame turned differently."},
    Entry{213, "Art items falling outside this frame will be lost."},
    Entry{221, "You have inserted a photo in the current card"},
    Entry{222, "and have now selected a frame without a photo;"},
    Entry{223, "you have also placed clip art or text on the current"},
    Entry{224, "card and selected a frame turned differently."},
    Entry{225, "The photo will have to be removed as will art"},
    Entry{226, "items falling outside this new frame."},
    Entry{230, "Do you want to continue?"},
    Entry{231, "Frame Styles"},
    Entry{301, "Open File"},
    Entry{302, "Tessaly Files (*.ocd)|*.ocd|All Files (*.*)|*.*||"},
    Entry{303, "Save File"},
    Entry{304, "Printer Setup"},
    Entry{305, "This picture card could not be saved."},
    Entry{306, "The card holds more than a card file can keep. Remove some text or clip art, then "
               "save it again."},
    Entry{400, "Occasions"},
    Entry{401, "Please select an occasion"},
    Entry{600, "PRINT INTRO SCREEN"},
    Entry{601, "To ensure that your cards will align correctly on the perforated paper, you should "
               "do a test print. You can use regular printer paper for this test."},
    Entry{602, "If you do not want to do a test print, click Print Cards."},
    Entry{608, "Print"},
    Entry{609, "Before you can print, you need to install a printer."},
    Entry{700, "PRINT WIZARD"},
    Entry{701, "Place the inkjet paper over the test print to see if the test pattern aligns with "
               "the inkjet paper perforations."},
    Entry{706, "How does your paper load into your printer?"},
    Entry{707, "Front Feed"},
    Entry{708, "Tray Feed"},
    Entry{709, "Top Feed"},
    Entry{710, "Load the perforated paper with the logo side face up in the tray."},
    Entry{711, "Load the perforated paper with the logo side face down in the tray."},
    Entry{712, "Load the perforated paper with the logo side facing away from you."},
    Entry{713, "Enter the number of pages you would like to print and click Print."},
    Entry{714, "Print"},
    Entry{715, "Click the diagram that most resembles the way your test print aligns with the "
               "inkjet paper."},
    Entry{717, "Move cards on paper"},
    Entry{718, "Vertically"},
    Entry{719, "Horizontally"},
    Entry{720, "Units are 1/32 inch"},
    Entry{721, "Please select one of the diagrams"},
    Entry{722, "Choose a printer type"},
    Entry{723, "Preparing to print"},
    Entry{724, "Printing underway"},
    Entry{725, "Printing Test Pattern"},
    Entry{726, "Print cancelled!"},
    Entry{727, "Error"},
    Entry{728, "has occurred while printing."},
    Entry{729, "To correct the alignment, try the suggested adjustment settings or add your own, "
               "and then do another test print."},
    Entry{730, "This is where we mention that we have just come from the next screen and no "
               "adjustments have been made"},
    Entry{731, "Click the arrow in the direction in which you need to adjust the cards."},
    Entry{732, "Each arrow click moves the card 1/32 of an inch."},
    Entry{800, "SPLASH SCREEN"},
    Entry{900, "Text"},
    Entry{901, "Please type your text in the text box below"},
    Entry{902, "Font:"},
    Entry{903, "Size:"},
    Entry{904, "Color:"},
    Entry{905, "More Colors"},
    Entry{906, "Invalid entry.  Please enter a number between 4 and 1638."},
    Entry{1000, "WELCOME SCREEN"},
    Entry{1001, "Hello! Welcome to the VARNO Tessaly Software!"},
    Entry{1002, "Create a New Picture Card"},
    Entry{1003, "Open an Existing Picture Card"},
    Entry{1004, "See What You Can Do!"},
    Entry{1005, "Main Menu"},
    Entry{1006, "Would you like to quit this application?"},
    Entry{1007, "Error"},
    Entry{1008, "has occurred in trying to load a picture card."},
    Entry{1009, "This file is not a VARNO Picture Card."},
    Entry{1010, "This VARNO Picture Card refers to an occasion not found in this release."},
    Entry{1011, "This VARNO Picture Card refers to a style not found in this release."},
    Entry{1012, "The picture specified for this card"},
    Entry{1013, "is not at the expected location.  Do you want to look for it yourself?"},
    Entry{1014, "The card will be displayed for you with no picture."},
    Entry{1015, "There were discrepancies encountered in loading this card and it may not appear "
                "the same as when last you viewed it.   Review it carefully before saving it "
                "again."},
    Entry{1016, "Warning"},
    Entry{1100, "WHAT YOU CAN DO"},
    Entry{1101, "Next"},
    Entry{1102, "Back"},
    Entry{1103, "Close"},
    Entry{1104, "Make your own picture cards for birthdays, holidays and every happy occasion."},
    Entry{1105, "Your Photo in a Pretty Frame"},
    Entry{1106, "Put a favorite photo into the frame's shaped hole. Brighten it, zoom in, turn it and "
                "slide it until it sits just right."},
    Entry{1107, "Decorate with Clip Art"},
    Entry{1108, "Drag balloons, hearts, stars and more from the palettes onto your card, then move "
                "and resize them as you like."},
    Entry{1109, "Ready-Made Greetings"},
    Entry{1110, "Add a sentiment such as Happy Birthday with one drag. There are greetings for every "
                "occasion."},
    Entry{1111, "Your Own Words"},
    Entry{1112, "Write a message in any font, size and color, lined up on the left, in the center or "
                "on the right."},
    Entry{1113, "Tall or Wide"},
    Entry{1114, "Every style comes as portrait and landscape cards, with a hole for a photo or with "
                "room for clip art and text."},
    Entry{1115, "Cards for Every Occasion"},
    Entry{1116, "Pick an occasion, a style and a frame, then make the card your own."},
    Entry{1117, "Three Cards on Every Sheet"},
    Entry{1118, "Print on perforated card paper, three cards a sheet. A test print and 1/32 inch "
                "nudges line them up just right."},
    Entry{1200, "Cannot find the application CD."},
    Entry{1201, "Please insert the "},
    Entry{1202, "CD in CD drive "},
    Entry{1401, "Invalid arguments were passed to the Print.dll."},
    Entry{1402, "Error finding or loading image or template file."},
    Entry{1403, "There has been a critical error while printing."},
    Entry{1404, " Please check to ensure that your printer is online and turned on."},
    Entry{1405, "The paper type or size selected in the properties "},
    Entry{1406, "An unknown critical error has occurred."},
    Entry{1407, "Your system is very low on memory."},
    Entry{1408, "Your system is very low on disk space."},
    Entry{1409, "There has been a critical system error."},
    Entry{1410, "The cancel button was selected."},
    Entry{1412, "The application was unable to find the file \"template.ini\"."},
    Entry{1413, "There is no printer installed."},
    Entry{1414, "Your printer is offline."},
    Entry{1415, "Your printer is out of paper."},
    Entry{1416, "There was an error spooling your Picture Card."},
    Entry{1417, "Your printer requires user intervention."},
    Entry{1418, "Your print file has been deleted."},
    Entry{1419, "Your print file has been deleted."},
    Entry{1420, "Your printer is in the paused state."},
    Entry{1421, "There was an error spooling your Picture Card."},
    Entry{1422, "There was an error spooling your Picture Card."},
    Entry{1423, "There was an error spooling your Picture Card."},
    Entry{1425, "dialog of your printer is the incorrect type."},
    Entry{2000, "GLOBAL AREA"},
    Entry{2001, "VARNO Tessaly Software - "},
    Entry{2002, "Software/VARNO/TsOccasions"},
    Entry{2003, "Version"},
    Entry{2004, "Are you sure you want to quit the application?"},
    Entry{2005, "Exit"},
};

constexpr bool strictlyAscending() {
    return std::adjacent_find(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
               return a.number >= b.number;
           }) == entries.end();
}
static_assert(strictlyAscending(), "the text table must stay sorted, each number once");

const Entry* find(int number) {
    const auto found =
        std::lower_bound(entries.begin(), entries.end(), number,
                         [](const Entry& entry, int wanted) { return entry.number < wanted; });
    return found != entries.end() && found->number == number ? &*found : nullptr;
}

} // namespace

QString Texts::at(int number) {
    const Entry* entry = find(number);
    return entry ? QString::fromUtf8(entry->text) : QString();
}

bool Texts::has(int number) {
    return find(number) != nullptr;
}
