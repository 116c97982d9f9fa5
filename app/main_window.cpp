#include "app/main_window.h"

#include <cstdio>
#include <iterator>

#include "base/decimal_integer.h"

namespace skycrier {
namespace {

std::string twoDigits(int hour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", hour);
    return text;
}

}  // namespace

void TForm1::UpDownPeriodeMouseDown() {
    const int position = schedule_.UpDownPeriode;
    if (position >= 0 && position < static_cast<int>(std::size(kPeriodMinutes)))
        schedule_.Edit1 = std::to_string(kPeriodMinutes[position]);
}

void TForm1::hourItemClick(const std::string& name) {
    if (name.size() != 3 || (name[0] != 'D' && name[0] != 'F')) return;
    const auto hour = parseDecimalInteger(name.substr(1));
    if (!hour || *hour < 0 || *hour > 24 || name[1] == '-') return;
    const bool start = name[0] == 'D';
    int& item = start ? startItem_ : endItem_;
    if (item == *hour) return;
    item = *hour;
    if (start) {
        schedule_.StartHour = *hour;
        MenuDebutPlageHoraire = "Hora de inicio (" + twoDigits(*hour) + "h)";
    } else {
        schedule_.EndHour = *hour;
        MenuFinPlageHoraire = "Hora de fin (" + twoDigits(*hour) + "h)";
    }
}

std::string TForm1::checkedStartItem() const { return "D" + twoDigits(startItem_); }

std::string TForm1::checkedEndItem() const { return "F" + twoDigits(endItem_); }

}  // namespace skycrier
