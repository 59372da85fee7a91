function buildSimulation(){
  Areas.push("130, 100, 230, 150, middle.html, left, 2");
  Areas.push("120, 80, 125, 85, javascript:history.back(), left, -1");
  walk.push(new page(1, "start", "one.png", Areas));
  Areas.push("40, 110, 380, 270, start.html, right, 1");
  Areas.push("100, 100, 200, 150, sub/end.html, right, 0");
  walk.push(new page(2, "middle", "two.png", Areas));
  Areas.push("0, 0, 10, 10, ../start.html, left, 0");
  walk.push(new page(3, "end", "sub/two.png", Areas));
}
