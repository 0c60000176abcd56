#pragma once

#include "reports/datasource.h"
#include "reports/document.h"
#include "reports/project.h"

#include <QMap>

#include <functional>

namespace Report {

// Parameters by name, as the windows set them (names are matched ignoring case).
using Params = QMap<QString, QString>;

// Lays out one report of a file into pages: the page header and footer on
// every page, the body bands in order, each data block's row once per row of
// the first of its connections that is open. `name` names the document
// (the report file without extension); `onPage` hears each new page.
// Throws ReportError when a connection the report reads is not open, or an
// element cannot print its value.
Document layout(const ReportDef &def, const QString &name, const Params &params,
                const ReportConnections &connections, const std::function<void(int page)> &onPage = {});

} // namespace Report
