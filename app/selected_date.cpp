#include "app/selected_date.h"

#include "journal/day_table_years.h"

namespace lunea {

CivilDate InitialSelection(CivilDate today) {
    if (today.year > kLastYear)
        return {kLastYear, 12, 31};
    if (today.year < kFirstYear)
        return {kFirstYear, 1, 1};
    return today;
}

} // namespace lunea
