#include "page_captions.h"

#include "test_sequence/run_names.h"

#include <QCoreApplication>

namespace {

QString openingWord(PortProblem::Kind kind) {
    switch (kind) {
    case PortProblem::DeviceMissing:
        return QCoreApplication::translate("Captions", "Gerät fehlt");
    case PortProblem::InUseByProgram:
        return QCoreApplication::translate("Captions", "Von anderem Programm verwendet");
    case PortProblem::StaleLockFile:
        return QCoreApplication::translate("Captions", "Sperrdatei eines beendeten Prozesses");
    case PortProblem::LockFileNotRegular:
        return QCoreApplication::translate("Captions", "Sperrdatei keine gewöhnliche Datei");
    case PortProblem::InUseByFlock:
        return QCoreApplication::translate("Captions", "Von anderem Programm gesperrt (flock)");
    case PortProblem::NoDeviceRights:
        return QCoreApplication::translate("Captions", "Keine Berechtigung für das Gerät");
    case PortProblem::NoLockDirectoryRights:
        return QCoreApplication::translate("Captions", "Sperrverzeichnis nicht beschreibbar");
    case PortProblem::HeldExclusively:
        return QCoreApplication::translate("Captions", "Von anderem Programm exklusiv belegt");
    case PortProblem::NotASerialDevice:
        return QCoreApplication::translate("Captions", "Kein serielles Gerät");
    case PortProblem::NotResponding:
        return QCoreApplication::translate("Captions", "Gerät meldet sich nicht");
    case PortProblem::InvalidSettings:
        return QCoreApplication::translate("Captions", "Ungültige Schnittstelleneinstellung");
    case PortProblem::SetupRefused:
        return QCoreApplication::translate("Captions", "Einstellung nicht übernommen");
    default:
        return QCoreApplication::translate("Captions", "Öffnen fehlgeschlagen");
    }
}

} // namespace

QString Captions::pageTitle(const QString& range, const QString& made) {
    return QCoreApplication::translate("Captions", "Ausbeute %1, erstellt %2").arg(range, made);
}

QString Captions::fromUntil(const QString& from, const QString& until) {
    return QCoreApplication::translate("Captions", "%1 bis %2").arg(from, until);
}

QString Captions::andMore(int count) {
    return QCoreApplication::translate("Captions", "… und %1 weitere").arg(count);
}

QString Captions::axisFrom(const QString& percent) {
    return QCoreApplication::translate("Captions", "Achse beginnt bei %1, nicht bei 0 %")
        .arg(percent);
}

QString Captions::causeWord(const QString& kind) {
    const PortProblem::Kind known = RunNames::causeKindNamed(kind);
    return RunNames::causeKind(known) == kind ? openingWord(known) : kind;
}
