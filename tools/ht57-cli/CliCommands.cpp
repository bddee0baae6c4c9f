#include "CliCommands.h"

#include <cstdio>

#include "CliInterrupt.h"
#include "CliOutput.h"
#include "CliPorts.h"
#include "DiffText.h"
#include "ProgressBar.h"
#include "RadioWrites.h"
#include "link/CloneSession.h"
#include "link/SerialPortLink.h"
#include "link/TransferMessage.h"
#include "model/Backup.h"
#include "model/ChannelCsv.h"
#include "model/ChannelListing.h"
#include "model/ChannelRecords.h"
#include "model/Config.h"
#include "model/ConfigReadBack.h"
#include "model/ConfigYaml.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/ImageDiff.h"
#include "model/IniFile.h"
#include "model/RadioData.h"

namespace ht57::cli {
namespace {

int Fail(const Result& result) {
    std::fprintf(stderr, "ht57-cli: %s\n", result.message.c_str());
    if (!result.detail.empty()) {
        std::fprintf(stderr, "(%s)\n", result.detail.c_str());
    }
    return kExitFailure;
}

// The ports the command line names, or the one of Program.ini.
std::vector<PortSettings> ChosenPorts(const CliOptions& options, const Installation& installation) {
    PortSettings settings = installation.port;
    if (options.baud) {
        settings.baudRate = *options.baud;
    }
    if (options.ports.empty()) {
        return {settings};
    }
    std::vector<PortSettings> ports;
    for (const std::string& name : options.ports) {
        settings.name = name;
        ports.push_back(settings);
    }
    return ports;
}

// The data set as the program holds it right after starting: the reference
// image and, through New's steps, the default data normalised. A default.dat
// of the wrong size stops the program at start-up and stops the tool too.
Result StartLikeTheProgram(const Installation& installation, RadioData& data) {
    const auto& defaultFile = installation.defaultDataFile;
    if (Result reference = LoadReferenceImage(defaultFile, data.reference); !reference) {
        return reference;
    }
    LoadDefaultData(defaultFile, data);
    data.RecomputeLimits();
    data.Normalise();
    return Result::Success();
}

// What the program's Open does to the data set.
Result OpenLikeTheProgram(const std::filesystem::path& file, const Installation& installation,
                          RadioData& data) {
    if (Result started = StartLikeTheProgram(installation, data); !started) {
        return started;
    }
    if (Result read = ReadDataFile(file, data); !read) {
        return read;
    }
    data.RecomputeLimits();
    data.Normalise();
    return Result::Success();
}

// Runs one clone session. A port that cannot be opened is reported here,
// where the reason is known.
CloneReport RunSession(const CliOptions& options, const Installation& installation, Image& image,
                       TransferPlan plan) {
    const PortSettings settings = ChosenPorts(options, installation).front();
    ProgressBar progress(stderr);
    SerialPortLink link;
    CloneReport report;
    {
        const InterruptGuard guard;
        report = RunClone(link, image, settings, std::move(plan), &progress);
    }
    if (report.outcome == LinkOutcome::PortOpenFailed) {
        ReportPortFailure(stderr, link.OpenFailure());
    }
    return report;
}
// Tells how a transfer ended and gives its exit code; quiet on success.
int Conclude(const TransferResult& result, const CliOptions& options,
             const Installation& installation) {
    const TransferVerdict verdict = VerdictOf(result);
    if (verdict == TransferVerdict::Done) {
        return kExitSuccess;
    }
    if (result.transfer.outcome == LinkOutcome::PortOpenFailed) {
        return kExitFailure;  // already told, with its reason
    }
    const TransferMessage message =
        DescribeTransfer(result, ChosenPorts(options, installation).front().name);
    if (verdict == TransferVerdict::Cancelled) {
        std::fprintf(stderr, "ht57-cli: Interrupted: %s\n", message.text.c_str());
    } else {
        std::fprintf(stderr, "ht57-cli: %s\n", message.text.c_str());
    }
    if (!message.detail.empty()) {
        std::fprintf(stderr, "%s\n", message.detail.c_str());
    }
    switch (verdict) {
        case TransferVerdict::Cancelled:
            return kExitInterrupted;
        case TransferVerdict::WrittenUnread:
        case TransferVerdict::WrittenDiffers:
            return kExitWrittenUnverified;
        default:
            return kExitFailure;
    }
}

}  // namespace

Installation LoadInstallation(const ProgramFolders& folders) {
    CIniFile ini(folders.configFolder);
    ini.SetFileName(kIniFileName);
    const StartupConfig config = ReadStartupConfig(ini.ReadContents(), folders.configFolder);
    return {folders.defaultDataFile, PortSettings{config.portName, config.baudRate},
            config.modelName};
}

int RunRead(const CliOptions& options, const Installation& installation) {
    // A radio read for nothing wastes the owner's time: a data file bound for
    // a terminal is refused before the transfer starts.
    if (Result writable = CheckDataOutput(options.output); !writable) {
        return Fail(writable);
    }
    RadioData data;
    if (Result started = StartLikeTheProgram(installation, data); !started) {
        return Fail(started);
    }
    // The data file gets the default data file's header block and the image
    // exactly as the radio gave it, band flag aside: no normalisation.
    if (const CloneReport read =
            RunSession(options, installation, data.image, TransferPlan::ForRead());
        read.outcome != LinkOutcome::Succeeded) {
        return Conclude(TransferResult(read), options, installation);
    }
    const auto bytes = DataFileBytes(data, SignatureStamp::Stamp);
    // The backup comes first: a good Read is kept even when the output
    // cannot be written after all. A backup that fails is reported but does
    // not undo a good Read.
    if (options.backupFolder) {
        const BackupOutcome backup =
            WriteBackup(*options.backupFolder, installation.model, CurrentLocalTime(), bytes);
        if (!backup.result) {
            std::fprintf(stderr, "ht57-cli: The backup was not written: %s\n",
                         backup.result.message.c_str());
            if (!backup.result.detail.empty()) {
                std::fprintf(stderr, "(%s)\n", backup.result.detail.c_str());
            }
        }
    }
    if (Result written = WriteDataOutput(options.output, bytes); !written) {
        return Fail(written);
    }
    return kExitSuccess;
}

int RunWrite(const CliOptions& options, const Installation& installation) {
    RadioData data;
    if (Result opened = OpenLikeTheProgram(options.File(), installation, data); !opened) {
        return Fail(opened);
    }
    // Write commits the views and normalises once more before it starts.
    data.Normalise();
    std::optional<ProgrammingLog> log;
    if (options.logFile) {
        log.emplace(*options.logFile);
        if (Result usable = log->Check(); !usable) {
            return Fail(usable);
        }
    }
    Batch batch{data.image, options.verify,
                std::filesystem::path(options.File()).filename().string(), log ? &*log : nullptr};
    const std::vector<PortSettings> ports = ChosenPorts(options, installation);
    if (ports.size() > 1) {
        return WriteInParallel(ports, batch);
    }
    if (options.radios > 1) {
        return WriteOneAfterAnother(ports.front(), options.radios, batch);
    }

    RadioWrite radio;
    {
        const InterruptGuard guard;
        ProgressBar progress(stderr);
        radio = WriteRadio(ports.front(), data.image, options.verify, &progress);
    }
    const bool logged = LogRadio(batch, radio);
    if (radio.outcome == LinkOutcome::PortOpenFailed) {
        ReportPortFailure(stderr, radio.portFailure);
    }
    const int code = Conclude(radio.result, options, installation);
    return code == kExitSuccess && !logged ? kExitFailure : code;
}

int RunList(const CliOptions& options, const Installation& installation) {
    RadioData data;
    if (Result opened = OpenLikeTheProgram(options.File(), installation, data); !opened) {
        return Fail(opened);
    }
    std::string text;
    switch (options.format) {
        case ListFormat::Text:
            for (const std::string& line : BuildChannelListing(data.image, data.limits)) {
                text += line + "\n";
            }
            break;
        case ListFormat::Csv:
            text = ChannelRecordsCsv(data.image, data.limits);
            break;
        case ListFormat::Json:
            text = ChannelRecordsJson(data.image, data.limits);
            break;
    }
    if (Result written = WriteTextOutput(options.output, text); !written) {
        return Fail(written);
    }
    return kExitSuccess;
}

int RunExport(const CliOptions& options, const Installation& installation) {
    RadioData data;
    if (Result opened = OpenLikeTheProgram(options.File(), installation, data); !opened) {
        return Fail(opened);
    }
    const std::string csv = ExportChannelCsv(data.image, data.limits);
    if (Result written = WriteTextOutput(options.output, csv); !written) {
        return Fail(written);
    }
    return kExitSuccess;
}

int RunImport(const CliOptions& options, const Installation& installation) {
    RadioData data;
    if (Result opened = OpenLikeTheProgram(options.File(), installation, data); !opened) {
        return Fail(opened);
    }
    std::string csv;
    if (Result read = ReadChannelCsvFile(options.Second(), csv); !read) {
        return Fail(read);
    }
    ChannelImportReport report;
    ImportOptions import;
    import.scope = options.replaceAll ? ImportScope::ReplaceAll : ImportScope::NamedChannels;
    import.placement.inOrder = options.firstChannel || options.fillFree;
    import.placement.firstChannel = options.firstChannel.value_or(1);
    import.placement.fillFree = options.fillFree;
    import.distinctNames = options.distinctNames;
    import.ignoreUnknownColumns = options.ignoreUnknownColumns;
    Result imported = ImportChannelCsv(csv, import, data.limits, data.image, report);
    if (report.rows > 0) {
        for (const std::string& line : ImportReportLines(report)) {
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    if (!imported) {
        imported.detail = options.Second();
        return Fail(imported);
    }
    // As the program's Save As would write it.
    data.Normalise();
    if (Result written =
            WriteDataOutput(options.output, DataFileBytes(data, SignatureStamp::Stamp));
        !written) {
        return Fail(written);
    }
    return report.issues.empty() && report.notes.empty() ? kExitSuccess : kExitWrittenWithChanges;
}

// The file's bytes as they stand, no normalisation: what dump shows and
// apply keeps.
Result OpenAsItIs(const std::string& file, const Installation& installation, RadioData& data) {
    if (Result started = StartLikeTheProgram(installation, data); !started) {
        return started;
    }
    if (Result read = ReadDataFile(file, data); !read) {
        return read;
    }
    data.RecomputeLimits();
    return Result::Success();
}

int RunDump(const CliOptions& options, const Installation& installation) {
    RadioData stored;
    if (Result opened = OpenAsItIs(options.File(), installation, stored); !opened) {
        return Fail(opened);
    }
    const std::string raw = DumpConfigYaml(stored);
    if (options.raw) {
        if (Result written = WriteTextOutput(options.output, raw); !written) {
            return Fail(written);
        }
        return kExitSuccess;
    }
    // What the views show after Open: the file normalised.
    RadioData opened = stored;
    opened.Normalise();
    const std::string shown = DumpConfigYaml(opened);
    if (Result written = WriteTextOutput(options.output, shown); !written) {
        return Fail(written);
    }
    for (const std::string& line : NormalisedValues(raw, shown)) {
        std::fprintf(stderr, "%s: %s\n", options.File().c_str(), line.c_str());
    }
    return kExitSuccess;
}

int RunApply(const CliOptions& options, const Installation& installation) {
    RadioData data;
    if (Result opened = OpenAsItIs(options.File(), installation, data); !opened) {
        return Fail(opened);
    }
    constexpr std::size_t kYamlSizeLimit = 4 * 1024 * 1024;
    const FileStart yaml = ReadFileStart(options.Second(), kYamlSizeLimit + 1);
    if (!yaml.opened || yaml.error != 0) {
        return Fail(Result::Failure(SystemErrorText(yaml.error), "reading " + options.Second()));
    }
    if (yaml.bytes.size() > kYamlSizeLimit) {
        return Fail(Result::Failure("The file is too large for a configuration",
                                    "reading " + options.Second()));
    }
    std::vector<std::string> adjusted;
    std::vector<std::string> warnings;
    Result applied = ApplyConfigYaml(
        std::string_view(reinterpret_cast<const char*>(yaml.bytes.data()), yaml.bytes.size()), data,
        adjusted, &warnings);
    if (!applied) {
        applied.message = options.Second() + ": " + applied.message;
        return Fail(applied);
    }
    if (Result written = WriteDataOutput(options.output, DataFileBytes(data, SignatureStamp::Keep));
        !written) {
        return Fail(written);
    }
    // Reported as import reports its rows: not errors, so no "ht57-cli:".
    for (const std::string& line : adjusted) {
        std::fprintf(stderr, "%s: %s\n", options.Second().c_str(), line.c_str());
    }
    for (const std::string& line : warnings) {
        std::fprintf(stderr, "%s: warning: %s\n", options.Second().c_str(), line.c_str());
    }
    return adjusted.empty() ? kExitSuccess : kExitWrittenWithChanges;
}

int RunDiff(const CliOptions& options) {
    RadioData before;
    RadioData after;
    for (auto [file, data] :
         {std::pair{&options.File(), &before}, std::pair{&options.Second(), &after}}) {
        if (Result read = ReadDataFile(*file, *data); !read) {
            Fail(read);
            return kExitTrouble;
        }
    }
    const DataDifferences differences =
        options.writtenRange ? DiffWrittenRange(before, after) : DiffDataSets(before, after);
    std::string text;
    for (const std::string& line : DiffLines(differences)) {
        text += line + "\n";
    }
    if (Result written = WriteTextOutput(options.output, text); !written) {
        Fail(written);
        return kExitTrouble;
    }
    return differences.Empty() ? kExitSuccess : kExitFailure;
}

}  // namespace ht57::cli
