#include "card/CardSelection.h"

#include "catalogue/DataManager.h"

CardSelection CardSelection::FromCatalogue(DataManager& catalogue) {
    return {catalogue.CurrentOccasionName(), catalogue.CurrentOccasionID(),
            catalogue.CurrentStyleName(), catalogue.CurrentStyleID(),
            QString::number(catalogue.TheTemplate())};
}
