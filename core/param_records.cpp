#include "core/param_records.h"

#include "core/arguments.h"

void ResetParamStatusTable(TParamStatusArray& table, int n) {
  table.clear();
  if (n > 0) table.resize(static_cast<size_t>(n));
}

void ResetParamRecTable(TParamRecArray& table, int n) {
  table.clear();
  if (n > 0) table.resize(static_cast<size_t>(n));
}

void BuildParamStatusTable(TParamStatusArray& table) {
  table.clear();
  ResetParamStatusTable(table, ProgramArgumentCount());
  for (int k = 1; k <= ProgramArgumentCount(); ++k) {
    TParamStatusRec& entry = table[static_cast<size_t>(k - 1)];
    entry.Argument = ProgramArgument(k);
    entry.Value1 = 0;
    entry.Flag1 = entry.Flag2 = entry.Flag3 = entry.Flag4 = false;
  }
}

void ResetValidationRecord(TParamStatisticsRec& record, const TText& name) {
  record.Flag1 = true;
  record.Flag2 = false;
  record.Flag3 = false;
  for (uint16_t& counter : record.Counters) counter = 0;
  record.Counter14 = 0;
  for (int i = 0; i < 14; ++i) {
    if (i != 10) record.Texts[i] = TText{};  // text 11 is kept
  }
  if (!name.Empty()) record.Name = name;
}
