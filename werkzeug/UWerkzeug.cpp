#include "werkzeug/UWerkzeug.h"

int WerkzeugAusfuehren(const std::vector<std::string>&, std::ostream& aus, std::ostream&) {
    aus << "knallfeld-werkzeug\n";
    return 0;
}
