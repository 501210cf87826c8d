#include "device/diagnostics.h"

#include "common/text.h"

namespace qv {

std::u16string HexText(uint32_t value, int digits) {
  static constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(text.size()) < digits) text.insert(text.begin(), u'0');
  return text;
}

std::u16string AttributesDiagnostic(const HidAttributes& a) {
  return u"PID:" + HexText(a.productId, 4) + u"\n,VID:" + HexText(a.vendorId, 4) + u"\n,VersionNumber:" +
         HexText(a.versionNumber, 4) + u"\n";
}

std::u16string CapsDiagnostic(const std::u16string& path, const HidCaps& c) {
  return u"DevicePath:" + path + u",\nUsage:0x" + HexText(c.usage, 4) + u"\n, UsagePage:0x" + HexText(c.usagePage, 4) +
         u"\n,FeatureReportByteLength:0x" + HexText(c.featureReportByteLength, 4) + u"\n,InputReportByteLength:0x" +
         HexText(c.inputReportByteLength, 1) + u"\n,OutputReportByteLength:0x" + HexText(c.outputReportByteLength, 1) +
         u"\n";
}

std::u16string StatusDiagnostic(uint8_t rate, uint8_t stage) {
  return u"USBReportRate:" + HexText(rate, 2) + u"\n,SensorDPIStage:" + HexText(stage, 2) + u".\n";
}

std::u16string CreateFileErrorMessage(uint32_t error) {
  return u"CreateFile Error Code:" + DecimalText(static_cast<int32_t>(error));
}

}  // namespace qv
