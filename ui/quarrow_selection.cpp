#include "ui/quarrow.h"

#include "ui_quarrow.h"

namespace quarrow {

void Quarrow::Command2_Click() {}

void Quarrow::Command1_Click() {}

void Quarrow::AttenuatingSelection(QString& MatchWord, QString& FirstWord,
                                   std::optional<float>& TimeLength,
                                   std::optional<std::int64_t>& NumMutations,
                                   std::optional<std::int64_t>& NumTotal) {
    (void)MatchWord, (void)FirstWord, (void)TimeLength, (void)NumMutations, (void)NumTotal;
}

void Quarrow::SerialSelection(QString& MatchWord, QString& FirstWord,
                              std::optional<float>& TimeLength,
                              std::optional<std::int64_t>& NumMutations,
                              std::optional<std::int64_t>& NumTotal) {
    (void)MatchWord, (void)FirstWord, (void)TimeLength, (void)NumMutations, (void)NumTotal;
}

void Quarrow::SequentialSelection(QString& FirstWord, QString& MatchWord,
                                  std::optional<float>& TimeLength,
                                  std::optional<std::int64_t>& NumMutations,
                                  std::optional<std::int64_t>& NumTotal) {
    (void)MatchWord, (void)FirstWord, (void)TimeLength, (void)NumMutations, (void)NumTotal;
}

} // namespace quarrow
