#include "pdf_info.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include "ulnik_version.h"

void DescribeDocument(QPDF& pdf, const std::string& titleUtf8) {
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    if (!titleUtf8.empty()) info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(titleUtf8));
    info.removeKey("/Author");
    info.replaceKey("/Creator", QPDFObjectHandle::newUnicodeString("Ulnik"));
    info.replaceKey("/Producer", QPDFObjectHandle::newUnicodeString("Ulnik " ULNIK_VERSION));
}
