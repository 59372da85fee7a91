function buildSimulation(){
  Areas.push("110, 70, 210, 120, two.html, left, 2");
  Areas.push("120, 80, 130, 90, javascript:history.back(), left, -1");
  Areas.push("130, 80, 140, 90, JavaScript:History.Back(), left, -1");
  Areas.push("140, 80, 150, 90, , left, 0");
  walk.push(new page(1, "start", "shot1.png", Areas));
  Areas.push("1, 2, 11, 12, three.html, right, 3");
  Areas.push("20, 20, 40, 40, sub/four.html, left, 0");
  Areas.push("50, 50, 60, 60, start.html, left, 1");
  walk.push(new page(2, "two", "shot2.png", Areas));
  walk.push(new page(3, "three", "", Areas));
  Areas.push("0, 0, 5, 5, ../start.html, left, 0");
  walk.push(new page(4, "four", "../shot1.png", Areas));
}
