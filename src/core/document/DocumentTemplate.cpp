#include "document/DocumentTemplate.h"

#include <initializer_list>
#include <string_view>

namespace htmlsim {

namespace {

// Lines joined by CR LF; the last one is followed by CR LF only when asked.
std::string JoinLines(std::initializer_list<std::string_view> lines, bool breakAfterLast) {
    std::string text;
    for (const auto line : lines) {
        text.append(line).append("\r\n");
    }
    if (!breakAfterLast) {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

const std::string& NewDocumentTemplate() {
    static const std::string text = JoinLines(
        {
            R"(<HTML>)",
            R"(<HEAD>)",
            R"(<script language='JavaScript' type='text/javascript' src='HTMLSimulation.js'></script>)",
            R"(<SCRIPT type='text/javascript'>)",
            R"(<!-- Section: CanvasScript_Top -->)",
            R"(<!-- Section End -->)",
            R"(<!-- Section: Scripts -->)",
            R"(<!-- Section End -->)",
            R"(</SCRIPT>)",
            R"(<!-- Section: Style -->)",
            R"(<STYLE>)",
            R"(</STYLE>)",
            R"(<!-- Section End -->)",
            R"(<link rel='stylesheet' type='text/css' href='MyStyle.css' />)",
            R"(</HEAD>)",
            R"(<BODY oncontextmenu='return false;'>)",
            R"(<!-- Section: Balloons -->)",
            R"(<!-- Section End -->)",
            R"(<!-- Section: Images -->)",
            R"(<!-- Section End -->)",
            R"(<!-- Section: Anchors -->)",
            R"(<!-- Section End -->)",
            R"(<!-- Section: Main Body 1 -->)",
            R"(<!-- Section End -->)",
            R"(<!-- Section: Main Body 2 -->)",
            R"(<!-- Section End -->)",
            R"(</BODY>)",
            R"(<!-- Section: CanvasScript_Bottom -->)",
            R"(<!-- Section End -->)",
            R"(</HTML>)",
        },
        true);
    return text;
}

const std::string& StyleSheetText() {
    static const std::string text = JoinLines(
        {
            R"(body {)",
            R"(  background-color:Antiquewhite;)",
            R"(  background -attachment: fixed)",
            R"(})",
            R"(div {)",
            R"(  background-color:#b0c4de)",
            R"(})",
            R"(span {)",
            R"(  background-color:#b0c4de;)",
            R"(})",
            R"(code { font-family: "Courier New", monospace; font-weight: 650;})",
            R"()",
            R"(a {)",
            R"(  color:DarkGrey;)",
            R"( font-family:Aharoni;)",
            R"( font-size:25;)",
            R"(})",
            R"()",
            R"(a:link {color:blue})",
            R"(a:visited {color:blue})",
            R"(a:hover {color:blue; font-weight:bold; text-decoration: underline})",
            R"()",
            R"(a.Folder {)",
            R"(  font-size:25px;)",
            R"(  font-weight: 750;)",
            R"(  border: 2px solid blue;)",
            R"(  text-decoration: none;)",
            R"(})",
            R"()",
            R"(a.BreadCrumb{)",
            R"(  font-size:16px;)",
            R"(  text-decoration: none;)",
            R"(  border: 1px solid blue;)",
            R"(  position:absolute; left:19px; top:13px;)",
            R"(})",
            R"()",
            R"(a.BookMark{)",
            R"(  font-size:20px;)",
            R"(  font-style: small-caption;)",
            R"(  opacity: 0.4;)",
            R"(})",
            R"()",
            R"(p {)",
            R"(display:  inline)",
            R"(})",
            R"()",
            R"(label {)",
            R"(  font-weight: 750;)",
            R"(  font-size:25px;)",
            R"(})",
        },
        false);
    return text;
}

const std::string& ScriptText() {
    static const std::string text = JoinLines(
        {
            R"(var mScale = .7;)",
            R"()",
            R"(function Canvas_MouseUp(Canvas, e){)",
            R"(  var ButtonClicked = 0;)",
            R"(  if (e.which) ButtonClicked = e.which - 1;)",
            R"(  else if (e.button) ButtonClicked = e.button;)",
            R"(  var IsProperlyClicked = false;)",
            R"(  var Left = e.clientX - Canvas.offsetLeft;)",
            R"(  var Top = e.clientY - Canvas.offsetTop;)",
            R"(  Left += document.body.scrollLeft;)",
            R"(  Top += document.body.scrollTop;)",
            R"(  var Coords = GetArea(Left, Top);)",
            R"(  if (Coords != ''){)",
            R"(    var HREF = Coords[4];)",
            R"(    var ClickType = Coords[5];)",
            R"(    if (ClickType == 'left' && ButtonClicked == 0) IsProperlyClicked = true;)",
            R"(    else if (ClickType == 'right' && ButtonClicked == 2) IsProperlyClicked = true;)",
            R"(    else alert('This area needs a ' + ClickType + ' click.');)",
            R"(    if (HREF != '' && IsProperlyClicked){)",
            R"(      window.location.href = HREF;)",
            R"(    })",
            R"(  })",
            R"(})",
            R"()",
            R"(function Canvas_MouseMove(Canvas, e){)",
            R"(  var Left = e.clientX - Canvas.offsetLeft;)",
            R"(  var Top = e.clientY - Canvas.offsetTop;)",
            R"(  Left += document.body.scrollLeft;)",
            R"(  Top += document.body.scrollTop;)",
            R"(  var Coords = GetArea(Left, Top);)",
            R"(  if (Coords != '') Canvas.style.cursor = 'pointer';)",
            R"(  else Canvas.style.cursor = 'auto';)",
            R"(})",
            R"()",
            R"(function GetArea(Left, Top){)",
            R"(  for (var i=0; i<Areas.length; i++){)",
            R"(    var Coords = Areas[i].split(',');)",
            R"(    if (Coords[0]* mScale < Left && Coords[1]* mScale < Top){)",
            R"(      if (Coords[2]* mScale > Left && Coords[3]* mScale > Top){)",
            R"(        return Coords;)",
            R"(      })",
            R"(    })",
            R"(  })",
            R"(  return '';)",
            R"(})",
        },
        true);
    return text;
}

}  // namespace htmlsim
