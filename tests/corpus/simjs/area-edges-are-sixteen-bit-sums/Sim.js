function buildSimulation(){
  Areas.push("-5, 32000, 5, 32767, , left, 0");
  walk.push(new page(1, "start", "a.png", Areas));
}
