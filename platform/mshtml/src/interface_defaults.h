// Defaults for the members of the declared interfaces that IE offers and this stand-in
// does not model (filters, behaviours, layout geometry, editing commands ...). Each answers
// E_NOTIMPL, as Wine's MSHTML does for what it does not implement; the classes of this
// library derive from these and override every member the system calls.
//
// Generated from the declarations in mshtml.h and exdisp.h: one class per interface,
// named after the interface with "Defaults" appended.
#pragma once

#include <exdisp.h>
#include <mshtml.h>

namespace mshtml {

struct IHTMLFramesCollection2Defaults : public IHTMLFramesCollection2 {
  HRESULT STDMETHODCALLTYPE item(VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLFramesCollection2Defaults() = default;
};

struct IHTMLWindow2Defaults : public IHTMLWindow2 {
  HRESULT STDMETHODCALLTYPE item(VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultStatus(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultStatus(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setTimeout(BSTR, LONG, VARIANT*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE clearTimeout(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE alert(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE confirm(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE prompt(BSTR, BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Image(IHTMLImageElementFactory**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_history(IOmHistory**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE close() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_opener(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_opener(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_navigator(IOmNavigator**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_parent(IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE open(BSTR, BSTR, BSTR, VARIANT_BOOL, IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_self(IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_top(IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_window(IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE navigate(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onblur(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onblur(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeunload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeunload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onunload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onunload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onerror(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onerror(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onresize(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onresize(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onscroll(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onscroll(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_document(IHTMLDocument2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_event(IHTMLEventObj**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE showModalDialog(BSTR, VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE showHelp(BSTR, VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screen(IHTMLScreen**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Option(IHTMLOptionElementFactory**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE focus() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_closed(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE blur() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE scroll(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientInformation(IOmNavigator**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setInterval(BSTR, LONG, VARIANT*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE clearInterval(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_offscreenBuffering(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offscreenBuffering(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE execScript(BSTR, BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE toString(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE scrollBy(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE scrollTo(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveTo(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveBy(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE resizeTo(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE resizeBy(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_external(IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLWindow2Defaults() = default;
};

struct IHTMLDocument2Defaults : public IHTMLDocument2 {
  HRESULT STDMETHODCALLTYPE get_Script(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_all(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_body(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_activeElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_images(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_applets(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_links(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_forms(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_anchors(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_title(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_title(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scripts(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_designMode(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_designMode(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_selection(IHTMLSelectionObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyState(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_embeds(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_plugins(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_alinkColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_alinkColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_fgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_linkColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_linkColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vlinkColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vlinkColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_referrer(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_lastModified(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_URL(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_URL(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_domain(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_domain(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cookie(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cookie(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_expando(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_expando(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_charset(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_charset(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultCharset(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultCharset(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_mimeType(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileSize(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileCreatedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileModifiedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileUpdatedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_security(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_protocol(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_nameProp(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE write(SAFEARRAY*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE writeln(SAFEARRAY*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE open(BSTR, VARIANT, VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE close() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE clear() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandState(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandText(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE execCommand(BSTR, VARIANT_BOOL, VARIANT, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createElement(BSTR, IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onclick(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onclick(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onreadystatechange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onreadystatechange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE elementFromPoint(LONG, LONG, IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_parentWindow(IHTMLWindow2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_styleSheets(IHTMLStyleSheetsCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE toString(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createStyleSheet(BSTR, LONG, IHTMLStyleSheet**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLDocument2Defaults() = default;
};

struct IHTMLDocument3Defaults : public IHTMLDocument3 {
  HRESULT STDMETHODCALLTYPE releaseCapture() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE recalc(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextNode(BSTR, IHTMLDOMNode**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_documentElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_uniqueID(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE attachEvent(BSTR, IDispatch*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE detachEvent(BSTR, IDispatch*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowsdelete(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowsdelete(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowsinserted(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowsinserted(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncellchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncellchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondatasetchanged(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondatasetchanged(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondataavailable(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondataavailable(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondatasetcomplete(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondatasetcomplete(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onpropertychange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onpropertychange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dir(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dir(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncontextmenu(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncontextmenu(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onstop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onstop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createDocumentFragment(IHTMLDocument2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_parentDocument(IHTMLDocument2**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_enableDownload(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_enableDownload(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_baseUrl(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_baseUrl(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_childNodes(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_inheritStyleSheets(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_inheritStyleSheets(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeeditfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeeditfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getElementsByName(BSTR, IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getElementById(BSTR, IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getElementsByTagName(BSTR, IHTMLElementCollection**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLDocument3Defaults() = default;
};

struct IHTMLElementCollectionDefaults : public IHTMLElementCollection {
  HRESULT STDMETHODCALLTYPE toString(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE item(VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLElementCollectionDefaults() = default;
};

struct IHTMLElementDefaults : public IHTMLElement {
  HRESULT STDMETHODCALLTYPE setAttribute(BSTR, VARIANT, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getAttribute(BSTR, LONG, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeAttribute(BSTR, LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_className(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_className(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_id(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_id(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tagName(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_parentElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onclick(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onclick(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_document(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_title(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_title(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_language(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_language(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE contains(IHTMLElement*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_sourceIndex(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_recordNumber(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_lang(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_lang(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetLeft(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetTop(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetWidth(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetHeight(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetParent(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_innerHTML(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_innerText(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_innerText(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_outerHTML(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_outerHTML(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_outerText(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_outerText(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE insertAdjacentHTML(BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE insertAdjacentText(BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_parentTextEdit(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_isTextEdit(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE click() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_filters(IHTMLFiltersCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE toString(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondatasetchanged(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondatasetchanged(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondataavailable(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondataavailable(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondatasetcomplete(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondatasetcomplete(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onfilterchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onfilterchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_children(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_all(IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLElementDefaults() = default;
};

struct IHTMLElement2Defaults : public IHTMLElement2 {
  HRESULT STDMETHODCALLTYPE get_scopeName(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setCapture(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE releaseCapture() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onlosecapture(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onlosecapture(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE componentFromPoint(LONG, LONG, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE doScroll(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onscroll(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onscroll(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondrag(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondrag(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragend(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragend(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragenter(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragenter(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragover(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragover(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondragleave(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondragleave(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ondrop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ondrop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforecut(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforecut(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncut(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncut(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforecopy(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforecopy(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncopy(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncopy(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforepaste(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforepaste(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onpaste(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onpaste(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_currentStyle(IHTMLCurrentStyle**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onpropertychange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onpropertychange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getClientRects(IHTMLRectCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getBoundingClientRect(IHTMLRect**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setExpression(BSTR, BSTR, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getExpression(BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeExpression(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_tabIndex(short) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tabIndex(short*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE focus() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accessKey(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_accessKey(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onblur(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onblur(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onresize(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onresize(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE blur() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE addFilter(IUnknown*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeFilter(IUnknown*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientHeight(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientWidth(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientTop(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientLeft(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE attachEvent(BSTR, IDispatch*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE detachEvent(BSTR, IDispatch*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyState(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onreadystatechange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onreadystatechange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowsdelete(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowsdelete(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onrowsinserted(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onrowsinserted(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncellchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncellchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dir(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dir(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createControlRange(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scrollHeight(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scrollWidth(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_scrollTop(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scrollTop(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_scrollLeft(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scrollLeft(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE clearAttributes() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE mergeAttributes(IHTMLElement*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_oncontextmenu(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_oncontextmenu(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE insertAdjacentElement(BSTR, IHTMLElement*, IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE applyElement(IHTMLElement*, BSTR, IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getAdjacentText(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE replaceAdjacentText(BSTR, BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_canHaveChildren(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE addBehavior(BSTR, VARIANT*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeBehavior(LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_runtimeStyle(IHTMLStyle**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_behaviorUrns(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_tagUrn(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tagUrn(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeeditfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeeditfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyStateValue(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getElementsByTagName(BSTR, IHTMLElementCollection**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLElement2Defaults() = default;
};

struct IHTMLStyleDefaults : public IHTMLStyle {
  HRESULT STDMETHODCALLTYPE put_fontFamily(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fontFamily(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_fontStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fontStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_fontVariant(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fontVariant(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_fontWeight(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fontWeight(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_fontSize(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fontSize(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_font(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_font(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_color(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_color(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_background(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_background(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundImage(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundImage(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundRepeat(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundRepeat(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundAttachment(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundAttachment(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundPosition(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundPosition(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundPositionX(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundPositionX(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_backgroundPositionY(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_backgroundPositionY(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_wordSpacing(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_wordSpacing(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_letterSpacing(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_letterSpacing(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecoration(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecoration(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecorationNone(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecorationNone(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecorationUnderline(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecorationUnderline(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecorationOverline(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecorationOverline(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecorationLineThrough(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecorationLineThrough(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textDecorationBlink(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textDecorationBlink(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_verticalAlign(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_verticalAlign(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textTransform(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textTransform(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textAlign(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textAlign(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_textIndent(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_textIndent(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_lineHeight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_lineHeight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_marginTop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_marginTop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_marginRight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_marginRight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_marginBottom(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_marginBottom(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_marginLeft(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_marginLeft(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_margin(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_margin(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_paddingTop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_paddingTop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_paddingRight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_paddingRight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_paddingBottom(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_paddingBottom(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_paddingLeft(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_paddingLeft(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_padding(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_padding(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_border(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_border(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderTop(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderTop(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderRight(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderRight(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderBottom(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderBottom(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderLeft(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderLeft(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColor(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColor(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderTopColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderTopColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderRightColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderRightColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderBottomColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderBottomColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderLeftColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderLeftColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderWidth(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderWidth(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderTopWidth(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderTopWidth(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderRightWidth(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderRightWidth(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderBottomWidth(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderBottomWidth(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderLeftWidth(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderLeftWidth(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderTopStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderTopStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderRightStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderRightStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderBottomStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderBottomStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderLeftStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderLeftStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_width(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_width(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_height(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_height(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_styleFloat(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_styleFloat(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_clear(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clear(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_display(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_display(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_visibility(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_visibility(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_listStyleType(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_listStyleType(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_listStylePosition(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_listStylePosition(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_listStyleImage(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_listStyleImage(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_listStyle(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_listStyle(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_whiteSpace(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_whiteSpace(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_top(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_top(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_left(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_left(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_position(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_zIndex(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_zIndex(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_overflow(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_overflow(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pageBreakBefore(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pageBreakBefore(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pageBreakAfter(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pageBreakAfter(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cssText(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cssText(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pixelTop(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pixelTop(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pixelLeft(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pixelLeft(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pixelWidth(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pixelWidth(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pixelHeight(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pixelHeight(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_posTop(float) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_posTop(float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_posLeft(float) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_posLeft(float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_posWidth(float) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_posWidth(float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_posHeight(float) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_posHeight(float*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cursor(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cursor(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_clip(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clip(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_filter(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_filter(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setAttribute(BSTR, VARIANT, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getAttribute(BSTR, LONG, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeAttribute(BSTR, LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE toString(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLStyleDefaults() = default;
};

struct IHTMLInputElementDefaults : public IHTMLInputElement {
  HRESULT STDMETHODCALLTYPE put_type(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_size(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_size(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_maxLength(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_maxLength(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselect(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselect(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultValue(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultValue(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_readOnly(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readOnly(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_indeterminate(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_indeterminate(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultChecked(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultChecked(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_checked(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_checked(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_border(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_border(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vspace(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vspace(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hspace(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hspace(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_alt(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_alt(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_src(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_src(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_lowsrc(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_lowsrc(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vrml(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vrml(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dynsrc(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dynsrc(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyState(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_complete(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_loop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_loop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onerror(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onerror(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onabort(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onabort(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_width(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_width(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_height(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_height(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_start(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_start(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLInputElementDefaults() = default;
};

struct IHTMLInputButtonElementDefaults : public IHTMLInputButtonElement {
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLInputButtonElementDefaults() = default;
};

struct IHTMLInputTextElementDefaults : public IHTMLInputTextElement {
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultValue(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultValue(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_size(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_size(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_maxLength(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_maxLength(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselect(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselect(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_readOnly(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readOnly(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLInputTextElementDefaults() = default;
};

struct IHTMLOptionButtonElementDefaults : public IHTMLOptionButtonElement {
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_checked(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_checked(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultChecked(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultChecked(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_indeterminate(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_indeterminate(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLOptionButtonElementDefaults() = default;
};

struct IHTMLInputFileElementDefaults : public IHTMLInputFileElement {
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_size(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_size(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_maxLength(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_maxLength(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselect(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselect(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLInputFileElementDefaults() = default;
};

struct IHTMLTextAreaElementDefaults : public IHTMLTextAreaElement {
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_status(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_status(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultValue(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultValue(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselect(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselect(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_readOnly(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readOnly(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_rows(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rows(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cols(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cols(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_wrap(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_wrap(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTextAreaElementDefaults() = default;
};

struct IHTMLSelectElementDefaults : public IHTMLSelectElement {
  HRESULT STDMETHODCALLTYPE put_size(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_size(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_multiple(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_multiple(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_options(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onchange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onchange(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_selectedIndex(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_selectedIndex(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE add(IHTMLElement*, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE remove(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE item(VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLSelectElementDefaults() = default;
};

struct IHTMLOptionElementDefaults : public IHTMLOptionElement {
  HRESULT STDMETHODCALLTYPE put_selected(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_selected(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_value(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_value(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_defaultSelected(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_defaultSelected(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_index(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_index(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_text(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_text(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLOptionElementDefaults() = default;
};

struct IHTMLImgElementDefaults : public IHTMLImgElement {
  HRESULT STDMETHODCALLTYPE put_isMap(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_isMap(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_useMap(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_useMap(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_mimeType(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileSize(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileCreatedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileModifiedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fileUpdatedDate(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_protocol(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_href(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_nameProp(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_border(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_border(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vspace(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vspace(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hspace(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hspace(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_alt(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_alt(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_src(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_src(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_lowsrc(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_lowsrc(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vrml(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vrml(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dynsrc(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dynsrc(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyState(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_complete(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_loop(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_loop(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onerror(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onerror(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onabort(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onabort(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_width(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_width(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_height(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_height(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_start(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_start(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLImgElementDefaults() = default;
};

struct IHTMLAnchorElementDefaults : public IHTMLAnchorElement {
  HRESULT STDMETHODCALLTYPE put_href(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_href(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_target(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_target(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_rel(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rel(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_rev(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rev(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_urn(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_urn(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Methods(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Methods(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_host(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_host(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hostname(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hostname(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pathname(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pathname(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_port(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_port(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_protocol(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_protocol(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_search(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_search(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hash(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hash(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onblur(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onblur(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accessKey(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_accessKey(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_protocolLong(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_mimeType(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_nameProp(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_tabIndex(short) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tabIndex(short*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE focus() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE blur() override { return E_NOTIMPL; }

 protected:
  ~IHTMLAnchorElementDefaults() = default;
};

struct IHTMLMapElementDefaults : public IHTMLMapElement {
  HRESULT STDMETHODCALLTYPE get_areas(IHTMLAreasCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLMapElementDefaults() = default;
};

struct IHTMLAreaElementDefaults : public IHTMLAreaElement {
  HRESULT STDMETHODCALLTYPE put_shape(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_shape(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_coords(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_coords(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_href(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_href(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_target(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_target(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_alt(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_alt(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_noHref(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_noHref(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_host(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_host(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hostname(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hostname(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_pathname(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_pathname(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_port(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_port(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_protocol(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_protocol(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_search(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_search(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_hash(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_hash(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onblur(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onblur(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_tabIndex(short) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tabIndex(short*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE focus() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE blur() override { return E_NOTIMPL; }

 protected:
  ~IHTMLAreaElementDefaults() = default;
};

struct IHTMLAreasCollectionDefaults : public IHTMLAreasCollection {
  HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE item(VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE add(IHTMLElement*, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE remove(LONG) override { return E_NOTIMPL; }

 protected:
  ~IHTMLAreasCollectionDefaults() = default;
};

struct IHTMLDivElementDefaults : public IHTMLDivElement {
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_noWrap(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_noWrap(VARIANT_BOOL*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLDivElementDefaults() = default;
};

struct IHTMLFormElementDefaults : public IHTMLFormElement {
  HRESULT STDMETHODCALLTYPE put_action(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_action(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dir(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dir(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_encoding(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_encoding(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_method(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_method(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_elements(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_target(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_target(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_name(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onsubmit(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onsubmit(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onreset(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onreset(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE submit() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE reset() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_length(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_length(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE item(VARIANT, VARIANT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE tags(VARIANT, IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLFormElementDefaults() = default;
};

struct IHTMLTableDefaults : public IHTMLTable {
  HRESULT STDMETHODCALLTYPE put_cols(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cols(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_border(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_border(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_frame(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_frame(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_rules(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rules(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cellSpacing(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cellSpacing(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cellPadding(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cellPadding(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_background(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_background(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorLight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorLight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorDark(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorDark(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE refresh() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rows(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_width(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_width(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_height(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_height(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dataPageSize(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dataPageSize(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE nextPage() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE previousPage() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tHead(IHTMLTableSection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tFoot(IHTMLTableSection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_tBodies(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_caption(IHTMLTableCaption**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTHead(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE deleteTHead() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTFoot(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE deleteTFoot() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createCaption(IHTMLTableCaption**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE deleteCaption() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE insertRow(LONG, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE deleteRow(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_readyState(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onreadystatechange(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onreadystatechange(VARIANT*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTableDefaults() = default;
};

struct IHTMLTable2Defaults : public IHTMLTable2 {
  HRESULT STDMETHODCALLTYPE firstPage() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE lastPage() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cells(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveRow(LONG, LONG, IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTable2Defaults() = default;
};

struct IHTMLTableRowDefaults : public IHTMLTableRow {
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vAlign(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vAlign(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorLight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorLight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorDark(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorDark(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rowIndex(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_sectionRowIndex(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cells(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE insertCell(LONG, IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE deleteCell(LONG) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTableRowDefaults() = default;
};

struct IHTMLTableCellDefaults : public IHTMLTableCell {
  HRESULT STDMETHODCALLTYPE put_rowSpan(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rowSpan(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_colSpan(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_colSpan(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_align(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_align(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vAlign(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vAlign(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_noWrap(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_noWrap(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_background(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_background(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorLight(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorLight(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_borderColorDark(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_borderColorDark(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_width(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_width(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_height(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_height(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cellIndex(LONG*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTableCellDefaults() = default;
};

struct IHTMLBodyElementDefaults : public IHTMLBodyElement {
  HRESULT STDMETHODCALLTYPE put_background(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_background(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgProperties(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgProperties(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_leftMargin(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_leftMargin(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_topMargin(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_topMargin(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_rightMargin(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_rightMargin(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bottomMargin(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bottomMargin(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_noWrap(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_noWrap(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_text(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_text(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_link(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_link(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_vLink(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_vLink(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_aLink(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_aLink(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onunload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onunload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_scroll(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_scroll(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onselect(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onselect(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_onbeforeunload(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_onbeforeunload(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLBodyElementDefaults() = default;
};

struct IHTMLTxtRangeDefaults : public IHTMLTxtRange {
  HRESULT STDMETHODCALLTYPE get_htmlText(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_text(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_text(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE parentElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE duplicate(IHTMLTxtRange**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE inRange(IHTMLTxtRange*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE isEqual(IHTMLTxtRange*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE collapse(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE expand(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE move(BSTR, LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveStart(BSTR, LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveEnd(BSTR, LONG, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE pasteHTML(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveToElementText(IHTMLElement*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE setEndPoint(BSTR, IHTMLTxtRange*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE compareEndPoints(BSTR, IHTMLTxtRange*, LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE findText(BSTR, LONG, LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveToPoint(LONG, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getBookmark(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE moveToBookmark(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandState(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandText(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE execCommand(BSTR, VARIANT_BOOL, VARIANT, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR, VARIANT_BOOL*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLTxtRangeDefaults() = default;
};

struct IHTMLSelectionObjectDefaults : public IHTMLSelectionObject {
  HRESULT STDMETHODCALLTYPE createRange(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE empty() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE clear() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }

 protected:
  ~IHTMLSelectionObjectDefaults() = default;
};

struct IHTMLEventObjDefaults : public IHTMLEventObj {
  HRESULT STDMETHODCALLTYPE get_srcElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_altKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ctrlKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_shiftKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_returnValue(VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_returnValue(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_cancelBubble(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_cancelBubble(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fromElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_toElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_keyCode(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_keyCode(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_button(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_qualifier(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_reason(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_x(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_y(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_srcFilter(IDispatch**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLEventObjDefaults() = default;
};

struct IHTMLEventObj2Defaults : public IHTMLEventObj2 {
  HRESULT STDMETHODCALLTYPE setAttribute(BSTR, VARIANT, LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE getAttribute(BSTR, LONG, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE removeAttribute(BSTR, LONG, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_propertyName(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_propertyName(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_bookmarks(IHTMLBookmarkCollection*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_bookmarks(IHTMLBookmarkCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_recordset(IDispatch*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_recordset(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_dataFld(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dataFld(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_boundElements(IHTMLElementCollection*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_boundElements(IHTMLElementCollection**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_repeat(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_repeat(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_srcUrn(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_srcUrn(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_srcElement(IHTMLElement*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_srcElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_altKey(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_altKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ctrlKey(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ctrlKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_shiftKey(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_shiftKey(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_fromElement(IHTMLElement*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_fromElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_toElement(IHTMLElement*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_toElement(IHTMLElement**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_button(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_button(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_type(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_qualifier(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_qualifier(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_reason(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_reason(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_x(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_x(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_y(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_y(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_clientX(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_clientY(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_clientY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_offsetX(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_offsetY(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_offsetY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_screenX(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenX(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_screenY(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_screenY(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE putref_srcFilter(IDispatch*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_srcFilter(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_dataTransfer(IHTMLDataTransfer**) override { return E_NOTIMPL; }

 protected:
  ~IHTMLEventObj2Defaults() = default;
};

struct IWebBrowser2Defaults : public IWebBrowser2 {
  HRESULT STDMETHODCALLTYPE GoBack() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoForward() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoHome() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoSearch() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Navigate(BSTR, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Refresh() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Refresh2(VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Application(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Parent(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Container(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Type(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Left(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Left(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Top(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Top(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Width(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Width(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Height(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Height(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ClientToWindow(int*, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PutProperty(BSTR, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetProperty(BSTR, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Name(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FullName(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Path(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_StatusText(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_StatusText(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ToolBar(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ToolBar(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID, OLECMDF*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL) override { return E_NOTIMPL; }

 protected:
  ~IWebBrowser2Defaults() = default;
};

}  // namespace mshtml
