#include "reports/catalogue.h"

#include "reports/runner.h"

namespace Reports {

QString reportNameFor(const QString &fileName)
{
    return fileName == File::kCartaAnuencia ? kLetterReport : kMainReport;
}

bool printReport(ReportRunner &runner, const QString &reportFolder, const QString &fileName,
                 const ParamList &params)
{
    struct Closer
    {
        ReportRunner &runner;
        ~Closer() { runner.close(); }
    } closer {runner};
    runner.setProjectFile(reportFolder + fileName);
    for (const auto &[name, value] : params)
        runner.setParam(name, value);
    return runner.execute(reportNameFor(fileName));
}

} // namespace Reports
