function buildSimulation(){
  Areas.push("0, 0, 1, 1, #, left, 0");
  Areas.push("1, 1, 2, 2, #top, left, 0");
  Areas.push("2, 2, 3, 3, javascript:void(0), left, 0");
  Areas.push("3, 3, 4, 4, mailto:ann@example.org, left, 0");
  Areas.push("4, 4, 5, 5, http://example.org/, left, 0");
  Areas.push("5, 5, 6, 6, next.html#part, left, 2");
  walk.push(new page(1, "start", "shot1.png", Areas));
  Areas.push("0, 0, 1, 1, ./start.html, left, 1");
  Areas.push("1, 1, 2, 2, start.html, left, 1");
  walk.push(new page(2, "next", "shot2.png", Areas));
}
