#include "diag/messages.h"

namespace vrx {

std::string MessageText(int number) {
    switch (number) {
    case 1: return "System Data Loading ...";
    case 2: return "Information Reset ...";
    case 3: return "COM Port scanning ...";
    case 4: return "Can not locate VRX COM Port.";
    case 5: return "Communication connection error.";
    case 6: return "Please try disconnecting and reconnecting the USB Port.";
    case 7: return "Do you wish to exit the VRX program ?";
    case 8: return "CAUTION : This will disable Brisvale Safety features.";
    case 100: return "VRX cooling monitor";
    case 101: return "File Not Selected.";
    case 102: return "Please confirm the correct flow sensor diameter setting.";
    case 103: return "Duplicate filename found. Overwrite existing file?";
    case 104:
    case 106: return "This is not a valid VRX recording file.";
    case 105: return "File Not found.";
    case 108: return "Path not found. ";
    case 109: return "You have successfully completed the capture!     ";
    case 110: return "Screenshot(s) have been saved in the log folder.";
    case 111: return "Control Data Loading ...";
    case 112: return "This WAV file is invalid.   ";
    case 113: return "You must enter a wave file name(*.wav).   ";
    case 114:
        return "CAUTION: The pump performance test will operate the pump at maximum \r\n"
               "and minimum speeds. Do not perform this test under heavy computer usage. \r\n"
               "Do not leave the computer unattended for the duration of the test (up to 4 minutes).   ";
    case 115: return "Pump characteristics test completed!   ";
    case 116: return "Log file not found.  ";
    case 117: return "Please confirm the correct flow rate value setting.   ";
    case 118: return "The folder cannot find.  Select or create another log file folder.  ";
    case 119: return "This is not a valid VRX system file.   ";
    case 120: return "Please confirm the correct pump rpm value setting.   ";
    case 121: return "Please confirm the correct Temperatures Offset value setting.   ";
    case 122: return "* Temperatures : -30c ~ 130c";
    case 200: return "Please enter the correct port number(1~255)!     ";
    default: return "";
    }
}

} // namespace vrx
