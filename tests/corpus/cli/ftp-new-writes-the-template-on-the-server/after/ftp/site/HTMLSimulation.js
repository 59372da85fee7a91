var mScale = .7;

function Canvas_MouseUp(Canvas, e){
  var ButtonClicked = 0;
  if (e.which) ButtonClicked = e.which - 1;
  else if (e.button) ButtonClicked = e.button;
  var IsProperlyClicked = false;
  var Left = e.clientX - Canvas.offsetLeft;
  var Top = e.clientY - Canvas.offsetTop;
  Left += document.body.scrollLeft;
  Top += document.body.scrollTop;
  var Coords = GetArea(Left, Top);
  if (Coords != ''){
    var HREF = Coords[4];
    var ClickType = Coords[5];
    if (ClickType == 'left' && ButtonClicked == 0) IsProperlyClicked = true;
    else if (ClickType == 'right' && ButtonClicked == 2) IsProperlyClicked = true;
    else alert('This area needs a ' + ClickType + ' click.');
    if (HREF != '' && IsProperlyClicked){
      window.location.href = HREF;
    }
  }
}

function Canvas_MouseMove(Canvas, e){
  var Left = e.clientX - Canvas.offsetLeft;
  var Top = e.clientY - Canvas.offsetTop;
  Left += document.body.scrollLeft;
  Top += document.body.scrollTop;
  var Coords = GetArea(Left, Top);
  if (Coords != '') Canvas.style.cursor = 'pointer';
  else Canvas.style.cursor = 'auto';
}

function GetArea(Left, Top){
  for (var i=0; i<Areas.length; i++){
    var Coords = Areas[i].split(',');
    if (Coords[0]* mScale < Left && Coords[1]* mScale < Top){
      if (Coords[2]* mScale > Left && Coords[3]* mScale > Top){
        return Coords;
      }
    }
  }
  return '';
}
