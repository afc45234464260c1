package android.app;

import android.content.Intent;
import android.database.Cursor;
import android.os.Bundle;
import android.view.ContextThemeWrapper;
import android.view.Menu;
import android.view.MenuInflater;
import android.view.MenuItem;
import android.view.View;
import android.view.Window;
import android.view.WindowManager;

public class Activity extends ContextThemeWrapper {
    public Activity() { throw new RuntimeException("Stub!"); }

    protected void onCreate(Bundle savedInstanceState) { throw new RuntimeException("Stub!"); }
    protected void onStart() { throw new RuntimeException("Stub!"); }
    protected void onRestart() { throw new RuntimeException("Stub!"); }
    protected void onResume() { throw new RuntimeException("Stub!"); }
    protected void onPause() { throw new RuntimeException("Stub!"); }
    protected void onStop() { throw new RuntimeException("Stub!"); }
    protected void onDestroy() { throw new RuntimeException("Stub!"); }
    protected void onActivityResult(int requestCode, int resultCode, Intent data) { throw new RuntimeException("Stub!"); }

    public void setContentView(int layoutResID) { throw new RuntimeException("Stub!"); }
    public <T extends View> T findViewById(int id) { throw new RuntimeException("Stub!"); }
    public final boolean requestWindowFeature(int featureId) { throw new RuntimeException("Stub!"); }
    public Window getWindow() { throw new RuntimeException("Stub!"); }
    public WindowManager getWindowManager() { throw new RuntimeException("Stub!"); }
    public void setRequestedOrientation(int requestedOrientation) { throw new RuntimeException("Stub!"); }
    public int getRequestedOrientation() { throw new RuntimeException("Stub!"); }
    public Object getSystemService(String name) { throw new RuntimeException("Stub!"); }
    public void startActivity(Intent intent) { throw new RuntimeException("Stub!"); }
    public void startActivityForResult(Intent intent, int requestCode) { throw new RuntimeException("Stub!"); }
    @Deprecated
    public void startManagingCursor(Cursor c) { throw new RuntimeException("Stub!"); }
    public MenuInflater getMenuInflater() { throw new RuntimeException("Stub!"); }
    public boolean onCreateOptionsMenu(Menu menu) { throw new RuntimeException("Stub!"); }
    public boolean onOptionsItemSelected(MenuItem item) { throw new RuntimeException("Stub!"); }
}
