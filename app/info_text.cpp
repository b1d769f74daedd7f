#include "info_text.h"

#include <QStringList>

QString InfoBoxCaption()
{
    return QStringLiteral("Information zum Programm");
}

QString InfoBoxText()
{
    // The teacher's wording, kept letter for letter.
    static const QStringList lines = {
        QStringLiteral("Dieses Programm simuliert den Unterschied zwischen wahrer und "),
        QStringLiteral("mittlerer Anomalie."),
        QStringLiteral("Erklärung:"),
        QStringLiteral("Wahre Anomalie in ° ist der vom Mittelpunkt der Sonne aus gemessene"),
        QStringLiteral("Winkel zwischen dem Perihel und dem Ort des Himmelskörpers."),
        QStringLiteral("Mittlere Anomalie in ° ist der vom Mittelpunkt der Sonne aus gemessene"),
        QStringLiteral("Winkel zwischen dem Perihel und einem gedachten Körper Q, der sich"),
        QStringLiteral("mit konstanter Winkelgeschwindigkeit so um die Sonne bewegt, daß"),
        QStringLiteral("seine Umlaufzeit gleich der des Planeten ist."),
        QString(),
        QStringLiteral("Rot ist die wahre Planetenposition, grün die des Hilfskörpers."),
        QStringLiteral("Der Verzögrungsregler dient dem besseren verfolgen der Körper."),
        QStringLiteral("Die Berechnung erfolgt mit der Julianischer Tageszahl, für deren "
                       "Berechnungals Startdatum die Istzeit des PCs abgefragt wird."),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
