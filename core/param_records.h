// The core library's argument bookkeeping: one status record per program argument, the search
// slots, and the validation records, with the operations that set them up. chronex sets these
// up and releases them but reads nothing from them beyond what the tests check.
#ifndef CHRONEX_CORE_PARAM_RECORDS_H_
#define CHRONEX_CORE_PARAM_RECORDS_H_

#include <cstdint>
#include <vector>

#include "core/text.h"

/// One program argument.
struct TParamStatusRec {
  int32_t Value1 = 0;
  bool Flag1 = false;
  bool Flag2 = false;
  bool Flag3 = false;
  bool Flag4 = false;
  TText Argument;
};
using TParamStatusArray = std::vector<TParamStatusRec>;

/// One search slot: twelve bytes of plain fields and three texts, all zero or empty.
struct TFindParamRec {
  uint8_t Fields[12] = {};
  TText Text1;
  TText Text2;
  TText Text3;
};
using TParamRecArray = std::vector<TFindParamRec>;

/// A validation record.
struct TParamStatisticsRec {
  bool Flag1 = false;
  bool Flag2 = false;
  bool Flag3 = false;
  uint16_t Counters[12] = {};  // counters 1 to 12
  uint16_t Value13 = 0;
  uint16_t Counter14 = 0;
  TText Texts[14];  // texts 1 to 14
  TText Name;
};

/// T emptied, then given one entry per program argument holding the argument's text. With no
/// token at all on the command line (ProgramArgumentCount -1) the table stays empty.
void BuildParamStatusTable(TParamStatusArray& table);

/// T emptied, then given n entries with every field zero or empty (none for n below 1).
void ResetParamStatusTable(TParamStatusArray& table, int n);
void ResetParamRecTable(TParamRecArray& table, int n);

/// Flag 1 set, flags 2 and 3, counters 1 to 12 and counter 14 cleared, texts 1 to 10 and 12 to
/// 14 emptied; value 13 and text 11 kept; the name set, unless the name given is empty.
void ResetValidationRecord(TParamStatisticsRec& record, const TText& name);

#endif  // CHRONEX_CORE_PARAM_RECORDS_H_
