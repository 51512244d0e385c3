#include "app/selected_date.h"

#include "journal/day_table.h"

namespace lunea {

CivilDate InitialSelection(CivilDate today) {
    if (today.year > DayTable::LastYear)
        return {DayTable::LastYear, 12, 31};
    if (today.year < DayTable::FirstYear)
        return {DayTable::FirstYear, 1, 1};
    return today;
}

} // namespace lunea
